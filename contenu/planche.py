#!/usr/bin/env python3
"""Planche contact du contenu livré : les 72 images finies, comme le jeu les montre, le nom sous chacune.

Une grille résolue montre ses cases couvertes en cyan lumineux et les autres en acier sombre, comme les
tuiles du jeu. Dix rangées pour la campagne (une par niveau, ses six faces dans l'ordre), deux pour le
jeu libre. Bibliothèque standard seule. Lancer depuis n'importe où :
    python3 contenu/planche.py             (écrit build/planche_contenu.png)
    python3 contenu/planche.py --dessins   (les dessins de contenu/dessins/, avant génération)
"""
import os
import re
import struct
import sys
import zlib

ICI = os.path.dirname(os.path.abspath(__file__))
RACINE = os.path.dirname(ICI)

VIGNETTE = 168          # côté d'une image, en pixels
MARGE, LEGENDE = 14, 42
FOND = (12, 14, 20)
COUVERTE = ((70, 130, 142), (150, 240, 250))   # cadre, centre : la tuile lumineuse des cases finies
VIDE = ((64, 72, 86), (38, 44, 55))            # cadre, centre : la tuile d'acier
TEXTE = (243, 243, 108)

# Police de 5 × 7 : chaque caractère est sept rangées de cinq bits.
POLICE = {
    'a': '0e11111f111111', 'b': '1e11111e11111e', 'c': '0e11101010110e', 'd': '1e11111111111e', 'e': '1f10101e10101f',
    'f': '1f10101e101010', 'g': '0f10101711110f', 'h': '1111111f111111', 'i': '0e04040404040e', 'j': '0702020202120c',
    'k': '11121418141211', 'l': '1010101010101f', 'm': '111b1515111111', 'n': '11191513111111',
    'o': '0e11111111110e', 'p': '1e11111e101010', 'q': '0e11111115120d', 'r': '1e11111e141211',
    's': '0f10100e01011e', 't': '1f040404040404', 'u': '1111111111110e', 'v': '11111111110a04', 'w': '11111115151b11',
    'x': '11110a040a1111', 'y': '11110a04040404', 'z': '1f01020408101f', '0': '0e11131519110e', '1': '040c040404040e',
    '2': '0e11010204081f', '3': '1f02040201110e', '4': '02060a121f0202', '5': '1f101e0101110e', '6': '0608101e11110e',
    '7': '1f010204080808', '8': '0e11110e11110e', '9': '0e11110f01020c', '_': '0000000000001f', ' ': '00000000000000',
}


def glyphe(c):
    code = POLICE.get(c, POLICE[' '])
    return [int(code[i:i + 2], 16) for i in range(0, 14, 2)]


class toile:
    def __init__(self, largeur, hauteur):
        self.largeur, self.hauteur = largeur, hauteur
        self.pixels = bytearray(bytes(FOND) * (largeur * hauteur))

    def rectangle(self, x, y, l, h, couleur):
        ligne = bytes(couleur) * l
        for r in range(y, y + h):
            debut = 3 * (r * self.largeur + x)
            self.pixels[debut:debut + 3 * l] = ligne

    def texte(self, x, y, chaine, echelle=2):
        for k, c in enumerate(chaine.lower()):
            for r, bits in enumerate(glyphe(c)):
                for b in range(5):
                    if bits >> (4 - b) & 1:
                        self.rectangle(x + (6 * k + b) * echelle, y + r * echelle, echelle, echelle, TEXTE)

    def png(self, chemin):
        brut = b''.join(b'\0' + bytes(self.pixels[3 * r * self.largeur:3 * (r + 1) * self.largeur]) for r in range(self.hauteur))

        def bloc(nature, donnees):
            return struct.pack('>I', len(donnees)) + nature + donnees + struct.pack('>I', zlib.crc32(nature + donnees))
        with open(chemin, 'wb') as f:
            f.write(b'\x89PNG\r\n\x1a\n' + bloc(b'IHDR', struct.pack('>IIBBBBB', self.largeur, self.hauteur, 8, 2, 0, 0, 0))
                    + bloc(b'IDAT', zlib.compress(brut, 9)) + bloc(b'IEND', b''))


def cases_couvertes(fichier):
    """Côté de la grille et cases de ses chemins solution (x, y comptés de 1, y vers le haut)."""
    texte = open(fichier).read()
    cote = int(re.search(r'<grille[^>]* taille=" ?(\d+)"', texte).group(1))
    solution = texte[texte.index('<solution>'):]
    return cote, {(int(x), int(y)) for x, y in re.findall(r'x=" ?(\d+)" y=" ?(\d+)"', solution)}


def cases_dessinees(fichier):
    lignes = open(fichier).read().split()
    cote = int(lignes[0])
    return cote, {(c + 1, cote - r) for r, l in enumerate(lignes[1:]) for c, car in enumerate(l) if car == '#'}


def dessiner_image(t, x0, y0, cote, couvertes):
    pas = VIGNETTE // cote
    decalage = (VIGNETTE - pas * cote) // 2
    joint = 1 if pas >= 4 else 0
    for x in range(1, cote + 1):
        for y in range(1, cote + 1):
            cadre, centre = COUVERTE if (x, y) in couvertes else VIDE
            px, py = x0 + decalage + (x - 1) * pas, y0 + decalage + (cote - y) * pas
            t.rectangle(px, py, pas, pas, cadre)
            if pas - 2 * joint > 0:
                t.rectangle(px + joint, py + joint, pas - 2 * joint, pas - 2 * joint, centre)


def sujets():
    """Sujet de chaque grille de la campagne, d'après contenu/dessins/grilles.txt (fichier, dessin, ...)."""
    chemin = os.path.join(ICI, 'dessins', 'grilles.txt')
    if not os.path.exists(chemin):
        return {}
    sujets = {}
    for ligne in open(chemin):
        fichier, dessin = ligne.split()[:2]
        nom = os.path.basename(dessin)[:-4]
        sujets[os.path.basename(fichier)[:-4]] = nom[nom.index('_') + 1:] if fichier.startswith('campagne/') else nom
    return sujets


def vignettes_grilles():
    noms = sujets()
    rangees = []
    for niveau in range(1, 11):
        rangees.append([])
        for face in range(1, 7):
            nom = f'niv{niveau}_{face}'
            legende = f'{nom}\n{noms.get(nom, "")}'
            rangees[-1].append((legende, cases_couvertes(os.path.join(RACINE, 'donnees', 'campagne', 'grilles', nom + '.xml'))))
    libres = sorted(os.listdir(os.path.join(RACINE, 'donnees', 'grilles')),
                    key=lambda n: cases_couvertes(os.path.join(RACINE, 'donnees', 'grilles', n))[0])
    for debut in range(0, len(libres), 6):
        rangees.append([(n[:-4], cases_couvertes(os.path.join(RACINE, 'donnees', 'grilles', n))) for n in libres[debut:debut + 6]])
    return rangees


def vignettes_dessins():
    manifeste = [l.split()[0] for l in open(os.path.join(ICI, 'dessins', 'manifeste.txt')) if l.strip()]
    rangees, courante = [], None
    for dessin in manifeste:
        groupe = dessin.split('_')[0] if dessin.startswith('campagne/') else 'libres'
        if groupe != courante or len(rangees[-1]) == 6:
            rangees.append([])
            courante = groupe
        nom = os.path.basename(dessin)[:-4]
        rangees[-1].append((nom, cases_dessinees(os.path.join(ICI, 'dessins', dessin))))
    return rangees


def main():
    rangees = vignettes_dessins() if '--dessins' in sys.argv else vignettes_grilles()
    colonnes = max(len(r) for r in rangees)
    t = toile(MARGE + colonnes * (VIGNETTE + MARGE), MARGE + len(rangees) * (VIGNETTE + LEGENDE + MARGE))
    for r, rangee in enumerate(rangees):
        for c, (legende, (cote, couvertes)) in enumerate(rangee):
            x, y = MARGE + c * (VIGNETTE + MARGE), MARGE + r * (VIGNETTE + LEGENDE + MARGE)
            dessiner_image(t, x, y, cote, couvertes)
            for k, ligne in enumerate(legende.split('\n')):
                t.texte(x, y + VIGNETTE + 6 + 17 * k, ligne[:VIGNETTE // 12])
    sortie = os.path.join(RACINE, 'build', 'planche_contenu.png' if '--dessins' not in sys.argv else 'planche_dessins.png')
    os.makedirs(os.path.dirname(sortie), exist_ok=True)
    t.png(sortie)
    print(sortie)


if __name__ == '__main__':
    main()
