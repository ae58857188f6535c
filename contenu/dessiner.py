#!/usr/bin/env python3
"""Dessine les images du contenu livré (images texte : '#' peint, '.' non peint, ligne du haut d'abord).

Un sujet par grille, sur le thème de la planète de son niveau, sans reprendre ceux du jeu libre. Les
petites images sont dessinées à la main ; les autres sont des formes dans le carré unité (x vers la
droite, y vers le haut), une case étant peinte quand son centre tombe dans la forme. Chaque trait doit
faire au moins deux cases d'épaisseur à la taille de sa grille : le script signale les cases peintes qui
n'appartiennent à aucun carré de 2 × 2 peint, et un sujet qui ne remplit pas son cadre.

Le manifeste donne, par ligne : dessin, complexité, puis le niveau de campagne (« niveau3 ») ou le
fichier livré du jeu libre (relatif à donnees/). Dans un niveau, l'ordre des faces est celui de la
difficulté mesurée (scripts/generer_contenu.sh). Lancer :
    python3 contenu/dessiner.py            (réécrit contenu/dessins/ et le manifeste)
    python3 contenu/dessiner.py --voir     (montre aussi chaque dessin)
"""
import math
import os
import sys

ICI = os.path.dirname(os.path.abspath(__file__))


# --- Formes : fonctions (x, y) -> bool dans le carré unité -------------------------------------------
def disque(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def anneau(cx, cy, r1, r2):
    return lambda x, y: r1 * r1 <= (x - cx) ** 2 + (y - cy) ** 2 <= r2 * r2


def ellipse(cx, cy, rx, ry, angle=0.0):
    c, s = math.cos(angle), math.sin(angle)

    def f(x, y):
        u, v = (x - cx) * c + (y - cy) * s, -(x - cx) * s + (y - cy) * c
        return (u / rx) ** 2 + (v / ry) ** 2 <= 1
    return f


def rect(x1, y1, x2, y2):
    return lambda x, y: x1 <= x <= x2 and y1 <= y <= y2


def polygone(points):
    def f(x, y):
        dedans = False
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            if (ay > y) != (by > y) and x < (bx - ax) * (y - ay) / (by - ay) + ax:
                dedans = not dedans
        return dedans
    return f


def trait(ax, ay, bx, by, e):
    """Segment de demi-épaisseur e."""
    def f(x, y):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
        return (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= e * e
    return f


def ligne(points, e):
    return union(*[trait(*a, *b, e) for a, b in zip(points, points[1:])])


def secteur(cx, cy, r1, r2, a1, a2):
    """Morceau d'anneau entre les angles a1 et a2 (en degrés, sens direct)."""
    def f(x, y):
        d = math.hypot(x - cx, y - cy)
        a = math.degrees(math.atan2(y - cy, x - cx)) % 360
        return r1 <= d <= r2 and (a1 <= a <= a2 if a1 <= a2 else a >= a1 or a <= a2)
    return f


def etoile(cx, cy, r1, r2, branches=5, angle=math.pi / 2):
    pts = []
    for k in range(2 * branches):
        r = r1 if k % 2 == 0 else r2
        a = angle + k * math.pi / branches
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return polygone(pts)


def union(*formes):
    return lambda x, y: any(f(x, y) for f in formes)


def sauf(forme, *trous):
    return lambda x, y: forme(x, y) and not any(t(x, y) for t in trous)


def rayons(cx, cy, r1, r2, n, e, angle=0.0):
    return union(*[trait(cx + r1 * math.cos(angle + 2 * math.pi * k / n), cy + r1 * math.sin(angle + 2 * math.pi * k / n),
                         cx + r2 * math.cos(angle + 2 * math.pi * k / n), cy + r2 * math.sin(angle + 2 * math.pi * k / n), e)
                   for k in range(n)])


def image(n, forme):
    lignes = []
    for rang in range(n):
        y = 1 - (rang + 0.5) / n
        lignes.append(''.join('#' if forme((c + 0.5) / n, y) else '.' for c in range(n)))
    return lignes


# --- Niveaux 1 à 4 : dessinés à la main ----------------------------------------------------------------
A_LA_MAIN = {
    # Pluton, la lointaine et glacée, la planète X qui a perdu son titre (5 × 5).
    'niv1_bonhomme_de_neige': ['.###.', '.###.', '..#..', '#####', '#####'],
    'niv1_etoile': ['..#..', '..#..', '#####', '.###.', '.#.#.'],
    'niv1_question': ['.###.', '#...#', '..##.', '.....', '..#..'],  # Pluton, la planète X
    'niv1_lettre_p': ['####.', '##.##', '####.', '##...', '##...'],
    'niv1_igloo': ['.....', '.###.', '#####', '##.##', '##.##'],
    'niv1_os': ['##.##', '.###.', '.###.', '.###.', '##.##'],  # l'os du chien qui porte son nom
    # Neptune, le dieu des mers (7 × 7).
    'niv2_trident': ['##.#.##', '##.#.##', '#######', '.#####.', '..###..', '..###..', '..###..'],
    'niv2_ancre': ['..###..', '..#.#..', '..###..', '...#...', '#..#..#', '##.#.##', '.#####.'],
    'niv2_poisson': ['..###..', '.####.#', '##.####', '#######', '.######', '..###.#', '.......'],
    'niv2_goutte': ['...#...', '..###..', '.#####.', '##.####', '##.####', '.#####.', '..###..'],
    'niv2_bateau': ['...##..', '...###.', '...####', '..#####', '...#...', '#######', '.#####.'],
    'niv2_tourbillon': ['#######', '......#', '.####.#', '.#..#.#', '.#.##.#', '.#....#', '.######'],
    # Uranus, dieu du ciel, découverte au télescope par Herschel, musicien ; ses lunes ont des noms de
    # personnages de Shakespeare (9 × 9).
    'niv3_diamant': ['.........', '..#####..', '.#######.', '#########', '.#######.', '..#####..', '...###...',
                     '....#....', '.........'],
    'niv3_couronne': ['.........', '#...#...#', '##.###.##', '#########', '#########', '#########', '.........',
                      '#########', '#########'],
    'niv3_telescope': ['......###', '#########', '#########', '......###', '....#....', '....#....', '...###...',
                       '..#.#.#..', '.#..#..#.'],
    'niv3_montgolfiere': ['..#####..', '.#######.', '#########', '#########', '.#######.', '..#####..', '...#.#...',
                          '...###...', '...###...'],
    'niv3_note': ['....#####', '....#####', '....##..#', '....#...#', '....#...#', '.####..##', '#####.###',
                  '#####.###', '.###.....'],
    'niv3_masque': ['.#######.', '#########', '#..###..#', '#########', '####.####', '#########', '##.....##',
                    '.##...##.', '..#####..'],
    # Saturne, dieu du temps (11 × 11).
    'niv4_sablier': ['###########', '###########', '.#########.', '..#######..', '...#####...', '....###....',
                     '...##.##...', '..##...##..', '.####.####.', '###########', '###########'],
}


# --- Niveaux 4 à 10 : des formes -------------------------------------------------------------------------
# Saturne : l'hexagone de son pôle, l'horloge du dieu du temps, les bougies et les cadeaux des Saturnales,
# Mimas que sa carte de chaleur fait ressembler à un glouton de jeu vidéo.
def hexagone():
    coins = lambda r: [(.5 + r * math.cos(math.pi / 6 + k * math.pi / 3), .5 + r * math.sin(math.pi / 6 + k * math.pi / 3)) for k in range(6)]
    return sauf(polygone(coins(.55)), polygone(coins(.33)))


def horloge():
    return union(anneau(.5, .5, .33, .5), rect(.42, .42, .58, .8), rect(.42, .42, .76, .58))


def bougie():
    return ['.....#.....', '....###....', '....###....', '.....#.....', '.....#.....', '...#####...', '...#####...',
            '...#####...', '...#####...', '...#####...', '.#########.']


def mimas():
    return sauf(disque(.5, .5, .5), polygone([(.5, .5), (1, .86), (1, .14)]), disque(.52, .76, .08))


def cadeau():
    return ['.###...###.', '##.##.##.##', '.####.####.', '###########', '###########', '...........',
            '.####.####.', '.####.####.', '.####.####.', '.####.####.', '.#########.']


# Jupiter, roi des dieux : la géante à bandes, la foudre, le chêne, le taureau, Io, les tempêtes.
def jupiter_bandes():
    return sauf(disque(.5, .5, .47), rect(0, .6, 1, .69), rect(0, .31, 1, .4), ellipse(.64, .5, .13, .07))


def eclair():
    return polygone([(.55, .98), (.18, .44), (.44, .44), (.3, .02), (.82, .58), (.55, .58), (.78, .98)])


def gland():
    return union(sauf(ellipse(.5, .6, .44, .2), rect(0, 0, 1, .56)), rect(.06, .5, .94, .6), ellipse(.5, .34, .3, .33),
                 rect(.45, .78, .56, .98))


def taureau():
    cornes = union(secteur(.5, .7, .34, .48, 0, 60), secteur(.5, .7, .34, .48, 120, 180))
    return union(sauf(union(ellipse(.5, .48, .28, .34), ellipse(.5, .68, .42, .12)), disque(.38, .56, .05), disque(.62, .56, .05),
                      ellipse(.42, .22, .04, .05), ellipse(.58, .22, .04, .05)), cornes)


def io():  # la lune de Jupiter qu'on surnomme la pizza
    return ['.............', '#############', '#############', '.............', '.###########.', '..##..#####..',
            '..##..#####..', '...#######...', '....##..#....', '....##..#....', '.....###.....', '......#......', '.............']


def tornade():
    return union(*[ellipse(.5 + .06 * math.sin(k * 1.3), .9 - .13 * k, .46 - .058 * k, .08) for k in range(7)])


# Mars, dieu de la guerre : le rover, Olympus Mons, Phobos et Deimos, le bouclier, son symbole, le drapeau.
def rover():
    return union(rect(.04, .38, .96, .64), *[sauf(disque(x, .18, .16), disque(x, .18, .035)) for x in (.18, .5, .82)],
                 rect(.64, .64, .78, .8), rect(.52, .78, .92, .97), trait(.12, .64, .3, .86, .05))


def volcan():
    cone = polygone([(.0, .06), (.36, .56), (.64, .56), (1.0, .06)])
    return union(sauf(cone, polygone([(.42, .56), (.5, .48), (.58, .56)])), disque(.44, .74, .1), disque(.58, .86, .09))


def deux_lunes():
    return union(sauf(ellipse(.36, .62, .32, .23, .5), disque(.3, .6, .06)), ellipse(.76, .24, .17, .13, -.3))


def bouclier():
    contour = polygone([(.06, .97), (.94, .97), (.94, .5), (.5, .02), (.06, .5)])
    interieur = polygone([(.24, .8), (.76, .8), (.76, .52), (.5, .24), (.24, .52)])
    return union(sauf(contour, interieur), rect(.42, .24, .58, .8), rect(.24, .54, .76, .68))


def symbole_mars():
    return union(anneau(.38, .38, .15, .35), trait(.6, .6, .86, .86, .09), polygone([(.99, .99), (.56, .99), (.99, .56)]))


def drapeau():
    return union(rect(.12, .02, .24, .98), sauf(rect(.24, .5, .94, .96), disque(.59, .73, .1)))


# La Terre et ses vivants : la tortue, le sapin, le papillon, la pomme, le chat, le champignon.
def tortue():
    pattes = [ellipse(.5 + sx * .3, .44 + sy * .25, .13, .08, sx * sy * .6) for sx in (-1, 1) for sy in (-1, 1)]
    return union(ellipse(.5, .44, .26, .33), disque(.5, .88, .1), rect(.45, .76, .55, .84), *pattes,
                 polygone([(.45, .1), (.55, .1), (.5, .02)]))


def sapin():
    return union(polygone([(.5, .98), (.78, .7), (.22, .7)]), polygone([(.5, .8), (.86, .46), (.14, .46)]),
                 polygone([(.5, .6), (.96, .2), (.04, .2)]), rect(.41, .02, .59, .22))


def papillon():
    haut = [(.46, .54), (.34, .9), (.14, .96), (.03, .84), (.05, .64), (.2, .52)]
    bas = [(.46, .46), (.26, .44), (.1, .3), (.14, .1), (.3, .06), (.44, .28)]
    ailes = union(*[polygone([(.5 + s * (x - .5), y) for x, y in aile]) for aile in (haut, bas) for s in (1, -1)])
    return union(sauf(ailes, disque(.22, .76, .07), disque(.78, .76, .07)), ellipse(.5, .5, .06, .36),
                 trait(.48, .84, .38, .98, .03), trait(.52, .84, .62, .98, .03))


def pomme():
    fruit = union(disque(.34, .46, .3), disque(.66, .46, .3), ellipse(.5, .3, .3, .26))
    return union(sauf(fruit, disque(.5, .8, .1)), rect(.46, .72, .56, .92), ellipse(.7, .88, .14, .07, .4))


def chat():
    tete = union(ellipse(.5, .42, .44, .38), polygone([(.08, .98), (.12, .5), (.42, .7)]), polygone([(.92, .98), (.88, .5), (.58, .7)]))
    return sauf(tete, ellipse(.32, .5, .08, .1), ellipse(.68, .5, .08, .1), polygone([(.44, .34), (.56, .34), (.5, .26)]))


def champignon():
    chapeau = sauf(ellipse(.5, .5, .5, .46), rect(0, 0, 1, .46), disque(.26, .64, .08), disque(.56, .8, .08), disque(.78, .58, .07))
    return union(chapeau, sauf(ellipse(.5, .26, .2, .26), rect(0, .46, 1, 1)))


# Vénus, déesse de l'amour, sous ses nuages brûlants : son symbole, les nuages, la fleur, la coquille de
# sa naissance, les lèvres, le thermomètre.
def symbole_venus():
    return union(anneau(.5, .66, .17, .31), rect(.43, .02, .57, .36), rect(.26, .14, .74, .26))


def nuages():
    grand = union(disque(.22, .62, .16), disque(.46, .72, .22), disque(.72, .64, .17), rect(.06, .46, .88, .62))
    petit = union(disque(.5, .22, .1), disque(.68, .28, .14), disque(.86, .2, .1), rect(.4, .08, .96, .2))
    return union(sauf(grand, rect(0, 0, 1, .46)), sauf(petit, rect(0, 0, 1, .08)))


def fleur():
    petales = [ellipse(.5 + .27 * math.cos(a), .64 + .27 * math.sin(a), .16, .11, a) for a in [k * 2 * math.pi / 6 + math.pi / 2 for k in range(6)]]
    return union(*petales, disque(.5, .64, .11), rect(.44, .02, .56, .4), ellipse(.68, .18, .17, .08, .5), ellipse(.32, .24, .17, .08, -.5))


def coquillage():
    cotes = [trait(.5, .08, .5 + .5 * math.cos(math.radians(a)), .08 + .5 * math.sin(math.radians(a)), .03) for a in (35, 60, 90, 120, 145)]
    return union(sauf(secteur(.5, .08, 0, .88, 20, 160), *cotes), polygone([(.32, .02), (.68, .02), (.6, .14), (.4, .14)]))


def levres():
    return sauf(union(ellipse(.5, .44, .46, .28), disque(.34, .62, .2), disque(.66, .62, .2)),
                ellipse(.5, .46, .38, .05), polygone([(.42, .88), (.58, .88), (.5, .74)]))


def thermometre():
    return union(sauf(rect(.36, .3, .64, .98), rect(.44, .38, .56, .9)), rect(.44, .3, .56, .62), disque(.5, .2, .19),
                 rect(.64, .5, .8, .56), rect(.64, .66, .8, .72), rect(.64, .82, .8, .88))


# Mercure, messager des dieux, au plus près du Soleil, au cœur de fer : ses cratères, la lettre, le
# casque ailé, l'orbite serrée, l'aimant de son champ magnétique, le fer à repasser.
def crateres():
    return sauf(disque(.5, .5, .48), disque(.36, .62, .13), disque(.68, .36, .1), disque(.3, .26, .08), disque(.7, .72, .07))


def enveloppe():
    return sauf(rect(.04, .16, .96, .84), ligne([(.04, .84), (.5, .44), (.96, .84)], .035))


def casque_aile():
    def aile(s):
        return polygone([(.5 + s * x, y) for x, y in ((.24, .4), (.26, .62), (.48, .96), (.4, .8), (.46, .74), (.36, .66), (.42, .58), (.3, .48))])
    return union(sauf(disque(.5, .36, .3), rect(0, 0, 1, .36)), rect(.14, .22, .86, .38), aile(-1), aile(1))


def orbite():
    return union(sauf(ellipse(.5, .5, .49, .34, .35), ellipse(.5, .5, .34, .19, .35)), disque(.5, .5, .15), disque(.84, .74, .1))


def aimant():
    jambes = sauf(union(rect(.04, .04, .3, .56), rect(.7, .04, .96, .56)), rect(0, .17, 1, .21))
    return union(secteur(.5, .56, .2, .46, 0, 180), jambes)


def fer_a_repasser():
    semelle = polygone([(.02, .14), (.98, .14), (.98, .3), (.9, .5), (.62, .62), (.1, .62), (.02, .5)])
    poignee = sauf(rect(.2, .62, .86, .92), rect(.34, .62, .74, .8), rect(.74, .62, .86, .78))
    return union(sauf(semelle, rect(0, .24, .9, .27)), poignee)


# Le Soleil et l'été qu'il donne : le château de sable, le cornet de glace, le panneau solaire, les
# lunettes, le palmier, le parasol.
def chateau_de_sable():
    murs = union(rect(.04, .04, .96, .3), rect(.32, .3, .68, .62), *[rect(x, .62, x + .09, .72) for x in (.32, .455, .59)],
                 rect(.06, .3, .3, .5), rect(.7, .3, .94, .5), *[rect(x, .5, x + .08, .6) for x in (.06, .22, .7, .86)])
    porte = union(rect(.43, .04, .57, .16), disque(.5, .16, .07))
    return union(sauf(murs, porte), rect(.485, .72, .525, .94), polygone([(.525, .94), (.7, .88), (.525, .82)]))


def cornet():
    cone = polygone([(.22, .48), (.78, .48), (.5, .02)])
    boules = union(disque(.33, .6, .16), disque(.67, .6, .16), disque(.5, .8, .16))
    return union(sauf(boules, rect(0, .44, 1, .5)), cone, disque(.62, .96, .04))


def panneau_solaire():
    cellules = union(*[rect(x, 0, x + .035, 1) for x in (.34, .63)], rect(0, .66, 1, .695))
    return union(sauf(rect(.04, .4, .96, .94), cellules), rect(.43, .1, .57, .4), rect(.24, .02, .76, .1))


def lunettes():
    return union(ellipse(.26, .46, .22, .18), ellipse(.74, .46, .22, .18), secteur(.5, .5, .08, .16, 0, 180),
                 trait(.06, .56, .02, .8, .035), trait(.94, .56, .98, .8, .035))


def palmier():
    tronc = ligne([(.36, .04), (.42, .26), (.5, .48), (.56, .68)], .06)
    palmes = union(*[ellipse(.56 + .2 * math.cos(math.radians(a)), .7 + .2 * math.sin(math.radians(a)), .24, .085, math.radians(a))
                     for a in (15, 60, 120, 165, 210, 330)])
    return union(tronc, palmes, disque(.5, .6, .06), disque(.63, .6, .06), rect(.06, .02, .94, .08))


def parasol():
    toile = sauf(secteur(.5, .52, 0, .48, 0, 180), disque(.26, .52, .1), disque(.5, .52, .1), disque(.74, .52, .1))
    return union(toile, rect(.46, .04, .55, .56), rect(.46, .04, .68, .1))


COMPLEXITE = {1: 5, 2: 7, 3: 9, 4: 11, 5: 13, 6: 15, 7: 17, 8: 19, 9: 21, 10: 24}  # par niveau

CAMPAGNE = {  # niveau : (côté, sujets)
    4: (11, [hexagone, horloge, bougie, mimas, cadeau]),
    5: (13, [jupiter_bandes, eclair, gland, taureau, io, tornade]),
    6: (15, [rover, volcan, deux_lunes, bouclier, symbole_mars, drapeau]),
    7: (18, [tortue, sapin, papillon, pomme, chat, champignon]),
    8: (21, [symbole_venus, nuages, fleur, coquillage, levres, thermometre]),
    9: (25, [crateres, enveloppe, casque_aile, orbite, aimant, fer_a_repasser]),
    10: (30, [chateau_de_sable, cornet, panneau_solaire, lunettes, palmier, parasol]),
}


# --- Jeu libre : les noms des fichiers restent ceux des grilles livrées ---------------------------------
def fusee():
    return union(polygone([(.5, .98), (.68, .74), (.68, .28), (.32, .28), (.32, .74)]), polygone([(.32, .5), (.08, .12), (.32, .28)]),
                 polygone([(.68, .5), (.92, .12), (.68, .28)]), rect(.4, .04, .6, .28))


def comete():
    return ['........###.', '.......#####', '......######', '.....#######', '....##.####.', '...##.##....',
            '..##.##.....', '.##.##......', '##.##.......', '..##........', '.##.........', '............']


def satellite():
    def panneau(x1, x2):
        return sauf(rect(x1, .36, x2, .64), rect((x1 + x2) / 2 - .03, 0, (x1 + x2) / 2 + .03, 1))
    antenne = sauf(disque(.5, 1.04, .3), disque(.5, 1.2, .3))
    return union(rect(.36, .26, .64, .7), panneau(.0, .3), panneau(.7, 1.0), rect(.3, .46, .7, .54), antenne, rect(.45, .7, .55, .8))


def astronaute():
    return union(sauf(disque(.5, .76, .2), ellipse(.52, .77, .12, .08)), rect(.3, .28, .7, .58), rect(.14, .36, .3, .56),
                 rect(.7, .36, .86, .56), rect(.32, .02, .47, .28), rect(.53, .02, .68, .28))


def soleil():
    return union(disque(.5, .5, .26), rayons(.5, .5, .32, .48, 8, .07))


def lune():
    return union(sauf(disque(.44, .5, .46), disque(.66, .6, .38)), etoile(.8, .22, .14, .06))


def saturne():
    c, s_ = math.cos(.3), math.sin(.3)

    def anneau_saturne(x, y):
        u, v = (x - .5) * c + (y - .5) * s_, -(x - .5) * s_ + (y - .5) * c
        d = (u / .49) ** 2 + (v / .19) ** 2
        return .55 <= d <= 1 and (v < 0 or (x - .5) ** 2 + (y - .5) ** 2 > .28 ** 2)

    def devant(x, y):  # l'anneau passe devant la planète, un peu détaché d'elle
        u, v = (x - .5) * c + (y - .5) * s_, -(x - .5) * s_ + (y - .5) * c
        return v < 0 and .42 <= (u / .49) ** 2 + (v / .19) ** 2 <= 1.15
    return union(sauf(disque(.5, .5, .28), devant, rect(0, .62, 1, .65)), anneau_saturne)


def galaxie():
    def point(a, t):
        r = .1 + .36 * t
        return .5 + r * math.cos(a + 3.4 * t), .5 + r * math.sin(a + 3.4 * t)
    bras = [ligne([point(a, k / 24) for k in range(25)], .045) for a in (0, math.pi)]
    return union(disque(.5, .5, .12), *bras)


def station_orbitale():
    module = union(rect(.42, .3, .58, .7), rect(.3, .44, .7, .56))
    panneaux = union(*[rect(x, y, x + .2, y + .12) for x in (.06, .74) for y in (.2, .44, .68)], rect(.26, .49, .74, .51))
    return union(anneau(.5, .5, .38, .46), module, panneaux)


LIBRES = [  # nom, côté, complexité, dessin (liste de lignes ou forme)
    ('maison', 5, 5, ['..#..', '.###.', '#####', '#.#.#', '###.#']),
    ('coeur', 7, 7, ['.##.##.', '#######', '#######', '#######', '.#####.', '..###..', '...#...']),
    ('fusee', 9, 8, fusee), ('planete_anneaux', 10, 9, ['..........', '...####...', '..######..', '..######..', '##########',
                                                         '##########', '..######..', '..######..', '...####...', '..........']), ('comete', 12, 10, comete),
    ('satellite', 14, 12, satellite), ('astronaute', 16, 14, astronaute), ('soleil', 20, 16, soleil),
    ('lune', 24, 18, lune), ('saturne', 30, 20, saturne), ('galaxie', 36, 22, galaxie),
    ('station_orbitale', 42, 24, station_orbitale),
]


# --- Contrôles et écriture ------------------------------------------------------------------------------
def traits_trop_fins(lignes):
    """Cases peintes qui n'appartiennent à aucun carré de 2 × 2 peint."""
    n = len(lignes)
    p = lambda r, c: 0 <= r < n and 0 <= c < n and lignes[r][c] == '#'  # noqa: E731
    return sum(1 for r in range(n) for c in range(n) if p(r, c) and not any(
        p(r + a, c + b) and p(r + a + 1, c + b) and p(r + a, c + b + 1) and p(r + a + 1, c + b + 1)
        for a in (-1, 0) for b in (-1, 0)))


def cadre_rempli(lignes):
    """Part du côté qu'occupe le sujet, dans sa plus grande dimension."""
    rangs = [r for r, l in enumerate(lignes) if '#' in l]
    colonnes = [c for c in range(len(lignes)) if any(l[c] == '#' for l in lignes)]
    return max(rangs[-1] - rangs[0] + 1, colonnes[-1] - colonnes[0] + 1) / len(lignes)


def ecrire(chemin, lignes):
    os.makedirs(os.path.dirname(chemin), exist_ok=True)
    with open(chemin, 'w') as f:
        f.write(f'{len(lignes)}\n' + '\n'.join(lignes) + '\n')


def rendre(cote, dessin):
    """Lignes d'un dessin : fait main (liste de lignes) ou forme à échantillonner."""
    return dessin if isinstance(dessin, list) else image(cote, dessin)


def dessins():
    """(fichier du dessin, lignes, complexité, destination) de chaque grille livrée."""
    for nom, lignes in A_LA_MAIN.items():
        niveau = int(nom[3:nom.index('_')])
        yield f'campagne/{nom}.txt', lignes, COMPLEXITE[niveau], f'niveau{niveau}'
    for niveau, (cote, sujets) in CAMPAGNE.items():
        for sujet in sujets:
            yield f'campagne/niv{niveau}_{sujet.__name__}.txt', rendre(cote, sujet()), COMPLEXITE[niveau], f'niveau{niveau}'
    for nom, cote, complexite, dessin in LIBRES:
        yield f'libres/{nom}.txt', rendre(cote, dessin if isinstance(dessin, list) else dessin()), complexite, f'grilles/{nom}.xml'


def main():
    import random
    voir = '--voir' in sys.argv
    alea = random.Random(2026)
    with open(os.path.join(ICI, 'aleas.txt'), 'w') as f:
        f.write(''.join(f'{alea.random():.6f}\n' for _ in range(4000)))
    for ancien in ('campagne', 'libres'):
        dossier = os.path.join(ICI, 'dessins', ancien)
        for nom in os.listdir(dossier) if os.path.isdir(dossier) else []:
            os.remove(os.path.join(dossier, nom))
    manifeste = []
    for fichier, lignes, complexite, destination in dessins():
        assert all(len(l) == len(lignes) for l in lignes), fichier
        ecrire(os.path.join(ICI, 'dessins', fichier), lignes)
        manifeste.append(f'{fichier} {complexite} {destination}\n')
        fins, rempli = traits_trop_fins(lignes), cadre_rempli(lignes)
        peintes = sum(l.count('#') for l in lignes)
        if len(lignes) > 9 and (fins > .08 * peintes or rempli < .85):
            print(f'{fichier} : {fins} cases sans carré de 2 × 2, cadre rempli à {rempli:.0%}')
        if voir:
            print(fichier, complexite, destination)
            print('\n'.join(' '.join(l) for l in lignes) + '\n')
    with open(os.path.join(ICI, 'dessins', 'manifeste.txt'), 'w') as f:
        f.write(''.join(manifeste))


if __name__ == '__main__':
    main()
