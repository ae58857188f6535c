#!/usr/bin/env python3
"""Dessine les images du contenu livré (images texte : '#' peint, '.' non peint, ligne du haut d'abord).

Chaque image est décrite par des formes dans le carré unité (x vers la droite, y vers le haut) ; une case
est peinte quand son centre tombe dans la forme. Les plus petites sont dessinées à la main. Lancer :
    python3 contenu/dessiner.py        (réécrit contenu/dessins/)
"""
import math
import os

ICI = os.path.dirname(os.path.abspath(__file__))


# --- Formes : fonctions (x, y) -> bool dans le carré unité -------------------------------------------
def disque(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def anneau(cx, cy, r1, r2):
    return lambda x, y: r1 * r1 <= (x - cx) ** 2 + (y - cy) ** 2 <= r2 * r2


def ellipse(cx, cy, rx, ry, angle=0.0, r_int=None):
    c, s = math.cos(angle), math.sin(angle)

    def f(x, y):
        u, v = (x - cx) * c + (y - cy) * s, -(x - cx) * s + (y - cy) * c
        d = (u / rx) ** 2 + (v / ry) ** 2
        return d <= 1 and (r_int is None or d >= r_int)
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


def segment(ax, ay, bx, by, e):
    def f(x, y):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
        return (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= e * e
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
    return union(*[segment(cx + r1 * math.cos(angle + 2 * math.pi * k / n), cy + r1 * math.sin(angle + 2 * math.pi * k / n),
                           cx + r2 * math.cos(angle + 2 * math.pi * k / n), cy + r2 * math.sin(angle + 2 * math.pi * k / n), e)
                   for k in range(n)])


def image(n, forme):
    lignes = []
    for rang in range(n):
        y = 1 - (rang + 0.5) / n
        lignes.append(''.join('#' if forme((c + 0.5) / n, y) else '.' for c in range(n)))
    return lignes


# --- Motifs réutilisés ----------------------------------------------------------------------------
def planete_anneaux(incl=0.35):
    return union(disque(.5, .5, .26), sauf(ellipse(.5, .5, .48, .2, incl, r_int=0.42), disque(.5, .5, .3)))


def fusee():
    return union(polygone([(.5, .95), (.64, .72), (.64, .3), (.36, .3), (.36, .72)]),
                 polygone([(.36, .45), (.2, .2), (.36, .3)]), polygone([(.64, .45), (.8, .2), (.64, .3)]),
                 rect(.44, .12, .56, .3))


def fusee_hublot():
    return sauf(fusee(), disque(.5, .62, .06))


def comete():
    return union(disque(.72, .72, .14), polygone([(.62, .84), (.08, .3), (.16, .2), (.84, .62)]))


def satellite():
    return union(rect(.38, .36, .62, .62), rect(.04, .4, .36, .58), rect(.64, .4, .96, .58),
                 rect(.46, .62, .54, .8), disque(.5, .84, .08))


def astronaute():
    return union(sauf(disque(.5, .76, .16), ellipse(.52, .77, .09, .06)), rect(.33, .3, .67, .6),
                 rect(.2, .38, .33, .56), rect(.67, .38, .8, .56), rect(.35, .06, .47, .3), rect(.53, .06, .65, .3))


def cratere():
    return union(sauf(disque(.5, .5, .44), disque(.42, .58, .14), disque(.66, .34, .09), disque(.3, .3, .07)))


def lune_croissant():
    return sauf(disque(.5, .5, .42), disque(.68, .58, .34))


def soleil_rayons():
    return union(disque(.5, .5, .24), rayons(.5, .5, .3, .46, 8, .045))


def coeur():
    return union(disque(.34, .62, .2), disque(.66, .62, .2), polygone([(.15, .55), (.5, .1), (.85, .55), (.5, .62)]))


def hexagone():
    return sauf(polygone([(.5 + .45 * math.cos(math.pi / 6 + k * math.pi / 3), .5 + .45 * math.sin(math.pi / 6 + k * math.pi / 3)) for k in range(6)]),
                polygone([(.5 + .28 * math.cos(math.pi / 6 + k * math.pi / 3), .5 + .28 * math.sin(math.pi / 6 + k * math.pi / 3)) for k in range(6)]))


def jupiter_bandes():
    return sauf(disque(.5, .5, .45), rect(0, .58, 1, .64), rect(0, .36, 1, .41), ellipse(.62, .47, .1, .06))


def eclair():
    return polygone([(.58, .95), (.25, .45), (.48, .45), (.38, .05), (.75, .58), (.52, .58), (.7, .95)])


def sonde():
    return union(ellipse(.5, .62, .3, .12, 0, r_int=None), rect(.46, .2, .54, .62), rect(.3, .14, .7, .24), disque(.5, .76, .06))


def couronne():
    return polygone([(.1, .25), (.9, .25), (.9, .75), (.72, .5), (.5, .85), (.28, .5), (.1, .75)])


def rover():
    return union(rect(.18, .4, .82, .58), disque(.25, .3, .1), disque(.5, .3, .1), disque(.75, .3, .1),
                 rect(.62, .58, .68, .78), rect(.55, .76, .8, .84))


def volcan():
    return union(polygone([(.05, .1), (.4, .6), (.6, .6), (.95, .1)]), disque(.42, .78, .07), disque(.58, .84, .06))


def deux_lunes():
    return union(ellipse(.32, .6, .22, .16, .5), disque(.72, .32, .12))


def drapeau():
    return union(rect(.2, .05, .28, .92), rect(.28, .55, .82, .9))


def globe():
    return sauf(disque(.5, .5, .45), ellipse(.5, .5, .18, .45, 0, r_int=.75), rect(0, .48, 1, .53))


def arbre():
    return union(polygone([(.5, .95), (.85, .45), (.15, .45)]), polygone([(.5, .7), (.9, .25), (.1, .25)]), rect(.43, .05, .57, .28))


def maison():
    return union(polygone([(.5, .92), (.92, .55), (.08, .55)]), sauf(rect(.18, .08, .82, .56), rect(.42, .08, .58, .32)))


def symbole_venus():
    return union(anneau(.5, .64, .18, .3), rect(.45, .08, .55, .36), rect(.32, .16, .68, .25))


def nuage():
    return union(disque(.32, .45, .18), disque(.55, .55, .24), disque(.75, .42, .16), rect(.2, .27, .82, .45))


def fleur():
    return union(*[disque(.5 + .22 * math.cos(a), .6 + .22 * math.sin(a), .14) for a in [k * 2 * math.pi / 5 + math.pi / 2 for k in range(5)]],
                 rect(.46, .05, .54, .45))


def miroir():
    return union(anneau(.5, .62, .22, .34), rect(.44, .05, .56, .3))


def sablier():
    return union(polygone([(.2, .9), (.8, .9), (.55, .5), (.8, .1), (.2, .1), (.45, .5)]))


def thermometre():
    return union(rect(.42, .35, .58, .92), disque(.5, .25, .16), rect(.58, .5, .7, .55), rect(.58, .68, .7, .73))


def orbite():
    return union(ellipse(.5, .5, .45, .25, .3, r_int=.7), disque(.5, .5, .12), disque(.85, .68, .07))


def eclipse():
    return union(sauf(disque(.5, .5, .32), disque(.58, .56, .26)), rayons(.5, .5, .38, .48, 12, .03))


def eruption():
    return union(sauf(disque(.5, .25, .42), rect(0, .5, 1, 1)), segment(.35, .5, .5, .9, .06), segment(.5, .9, .68, .55, .06))


def galaxie():
    return union(disque(.5, .5, .1), *[segment(.5 + .08 * t * math.cos(a + t * 1.2), .5 + .08 * t * math.sin(a + t * 1.2),
                                               .5 + .08 * (t + 1) * math.cos(a + (t + 1) * 1.2), .5 + .08 * (t + 1) * math.sin(a + (t + 1) * 1.2), .045)
                                       for a in (0, math.pi) for t in range(5)])


def diamant():
    return polygone([(.2, .65), (.35, .85), (.65, .85), (.8, .65), (.5, .1)])


def planete_tache():
    return sauf(disque(.5, .5, .44), ellipse(.62, .42, .12, .08))


# --- Les petites images dessinées à la main ---------------------------------------------------------
A_LA_MAIN = {
    'niv1_1': ['.#.#.', '#####', '#####', '.###.', '..#..'],        # coeur de Pluton
    'niv1_2': ['..#..', '..#..', '#####', '..#..', '..#..'],        # étoile qui scintille
    'niv1_3': ['.###.', '##...', '#....', '##...', '.###.'],        # Charon en croissant
    'niv1_4': ['..#..', '.###.', '.###.', '##.##', '#...#'],        # fusée
    'niv1_5': ['.###.', '#####', '##.##', '#####', '.###.'],        # planète et son cratère
    'niv1_6': ['...##', '..###', '.###.', '##...', '#....'],        # comète
    'niv2_1': ['#..#..#', '#..#..#', '#######', '...#...', '...#...', '...#...', '...#...'],  # trident
    'niv2_2': ['..###..', '.#####.', '###.###', '##...##', '###.###', '.#####.', '..###..'],  # tache sombre
    'niv2_3': ['.#####.', '##...##', '#.....#', '#.....#', '#.....#', '##...##', '.#####.'],  # anneau
    'niv2_4': ['..###..', '.##....', '##.....', '##.....', '##.....', '.##....', '..###..'],  # Triton
    'niv2_5': ['...#...', '...#...', '#######', '.#####.', '..###..', '.##.##.', '.#...#.'],  # étoile
    'niv2_6': ['..###..', '.#####.', '#######', '.......', '#######', '.#####.', '..###..'],  # bandes de nuages
}

CAMPAGNE = {  # niveau : (côté, complexité, six motifs)
    3: (9, 6, [planete_tache, lambda: etoile(.5, .5, .47, .17, 4), diamant, lune_croissant,
               lambda: union(disque(.5, .5, .25), rect(.42, .04, .58, .96)), lambda: anneau(.5, .5, .22, .45)]),
    4: (11, 7, [lambda: union(disque(.5, .5, .3), rect(.02, .44, .98, .56)), lambda: anneau(.5, .5, .25, .45), hexagone, lune_croissant, fusee, lambda: etoile(.5, .5, .46, .2)]),
    5: (13, 8, [jupiter_bandes, lambda: ellipse(.5, .5, .42, .26), eclair, lambda: ellipse(.5, .5, .46, .3, 0, r_int=.4), sonde, couronne]),
    6: (15, 8, [rover, fusee_hublot, volcan, cratere, deux_lunes, drapeau]),
    7: (18, 9, [globe, arbre, maison, lune_croissant, satellite, astronaute]),
    8: (21, 10, [symbole_venus, nuage, volcan, soleil_rayons, fleur, miroir]),
    9: (25, 11, [lambda: sauf(disque(.5, .5, .45), disque(.36, .6, .08)), cratere, thermometre, orbite, comete, sablier]),
    10: (30, 12, [soleil_rayons, eruption, eclipse, lambda: etoile(.5, .5, .47, .22, 8), galaxie, fusee_hublot]),
}

LIBRES = [  # nom, côté, complexité, motif (None : la maison dessinée à la main)
    ('maison', 5, 4, None), ('coeur', 7, 5, coeur), ('fusee', 9, 6, fusee), ('planete_anneaux', 10, 7, planete_anneaux),
    ('comete', 12, 8, comete), ('satellite', 14, 9, satellite), ('astronaute', 16, 10, astronaute),
    ('soleil', 20, 10, lambda: union(disque(.5, .5, .26), rayons(.5, .5, .3, .47, 8, .06))), ('lune', 24, 11, lambda: union(lune_croissant(), etoile(.82, .3, .1, .04))),
    ('saturne', 30, 12, planete_anneaux), ('galaxie', 36, 13, galaxie),
    ('station_orbitale', 42, 14, lambda: union(satellite(), anneau(.5, .5, .4, .47))),
]


def ecrire(chemin, lignes):
    os.makedirs(os.path.dirname(chemin), exist_ok=True)
    with open(chemin, 'w') as f:
        f.write(f'{len(lignes)}\n' + '\n'.join(lignes) + '\n')


def main():
    import random
    alea = random.Random(2026)
    with open(os.path.join(ICI, 'aleas.txt'), 'w') as f:
        f.write(''.join(f'{alea.random():.6f}\n' for _ in range(4000)))
    # Manifeste : image, complexité, fichier livré (relatif à donnees/).
    manifeste = []
    for nom, lignes in A_LA_MAIN.items():
        ecrire(os.path.join(ICI, 'dessins', 'campagne', nom + '.txt'), lignes)
        manifeste.append((f'campagne/{nom}.txt', 4 if nom.startswith('niv1_') else 5, f'campagne/grilles/{nom}.xml'))
    for niveau, (cote, _, motifs) in CAMPAGNE.items():
        for face, motif in enumerate(motifs, 1):
            ecrire(os.path.join(ICI, 'dessins', 'campagne', f'niv{niveau}_{face}.txt'), image(cote, motif()))
            manifeste.append((f'campagne/niv{niveau}_{face}.txt', CAMPAGNE[niveau][1], f'campagne/grilles/niv{niveau}_{face}.xml'))
    for nom, cote, complexite, motif in LIBRES:
        lignes = ['..#..', '.###.', '#####', '#.#.#', '###.#'] if motif is None else image(cote, motif())
        ecrire(os.path.join(ICI, 'dessins', 'libres', nom + '.txt'), lignes)
        manifeste.append((f'libres/{nom}.txt', complexite, f'grilles/{nom}.xml'))
    with open(os.path.join(ICI, 'dessins', 'manifeste.txt'), 'w') as f:
        f.write(''.join(f'{image} {complexite} {sortie}\n' for image, complexite, sortie in manifeste))


if __name__ == '__main__':
    main()
