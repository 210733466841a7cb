<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessible name</name>
    <message>
        <source>Third side of the triangle in m</source>
        <translation>Troisième côté du triangle en m</translation>
    </message>
    <message>
        <source>Second side of the triangle in m</source>
        <translation>Deuxième côté du triangle en m</translation>
    </message>
    <message>
        <source>First side of the triangle in m</source>
        <translation>Premier côté du triangle en m</translation>
    </message>
    <message>
        <source>Power: base</source>
        <translation>Puissance : base</translation>
    </message>
    <message>
        <source>Power: answer</source>
        <translation>Puissance : résultat</translation>
    </message>
    <message>
        <source>Factorial: number</source>
        <translation>Factorielle : nombre</translation>
    </message>
    <message>
        <source>Factorial: answer</source>
        <translation>Factorielle : résultat</translation>
    </message>
    <message>
        <source>Addition: second number</source>
        <translation>Addition : second nombre</translation>
    </message>
    <message>
        <source>Subtraction: number to subtract from</source>
        <translation>Soustraction : nombre dont on soustrait</translation>
    </message>
    <message>
        <source>Addition: answer</source>
        <translation>Addition : résultat</translation>
    </message>
    <message>
        <source>Subtraction: number to subtract</source>
        <translation>Soustraction : nombre à soustraire</translation>
    </message>
    <message>
        <source>Subtraction: answer</source>
        <translation>Soustraction : résultat</translation>
    </message>
    <message>
        <source>Power: exponent</source>
        <translation>Puissance : exposant</translation>
    </message>
    <message>
        <source>Multiplication: first number</source>
        <translation>Multiplication : premier nombre</translation>
    </message>
    <message>
        <source>Multiplication: second number</source>
        <translation>Multiplication : second nombre</translation>
    </message>
    <message>
        <source>Multiplication: answer</source>
        <translation>Multiplication : résultat</translation>
    </message>
    <message>
        <source>Addition: first number</source>
        <translation>Addition : premier nombre</translation>
    </message>
    <message>
        <source>The Quorvane Calculator</source>
        <translation>La calculatrice Quorvane</translation>
    </message>
</context>
<context>
    <name>Copy all</name>
    <message>
        <source>Copy all</source>
        <translation>Tout copier</translation>
    </message>
    <message>
        <source>π taken as 22/7</source>
        <translation>π pris égal à 22/7</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>these three sides make no triangle, as one is longer than the other two together</source>
        <translation>ces trois côtés ne forment pas de triangle, car l’un est plus long que les deux autres réunis</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Conversion failure</source>
        <translation>Échec de conversion</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argument non valide</translation>
    </message>
    <message>
        <source>Calculation failure</source>
        <translation>Échec du calcul</translation>
    </message>
    <message>
        <source>the number in a field is too large for the calculator</source>
        <translation>le nombre d’un champ est trop grand pour la calculatrice</translation>
    </message>
    <message>
        <source>the number in the field “%1”, which is hidden, is too large for the calculator</source>
        <translation>le nombre du champ « %1 », qui est masqué, est trop grand pour la calculatrice</translation>
    </message>
    <message>
        <source>the number in the field “%1” is too large for the calculator</source>
        <translation>le nombre du champ « %1 » est trop grand pour la calculatrice</translation>
    </message>
    <message>
        <source>the field “%1” holds %2, which is not a number here: the decimal separator is “%3”</source>
        <translation>le champ « %1 » contient %2, qui n’est pas un nombre ici : le séparateur décimal est « %3 »</translation>
    </message>
    <message>
        <source>a field is empty or holds text that is not a number</source>
        <translation>un champ est vide ou contient un texte qui n’est pas un nombre</translation>
    </message>
    <message>
        <source>the field “%1”, which is hidden, is empty or holds text that is not a number</source>
        <translation>le champ « %1 », qui est masqué, est vide ou contient un texte qui n’est pas un nombre</translation>
    </message>
    <message>
        <source>the field “%1” is empty or holds text that is not a number</source>
        <translation>le champ « %1 » est vide ou contient un texte qui n’est pas un nombre</translation>
    </message>
    <message>
        <source>%1 + %2 is too large for the calculator</source>
        <translation>%1 + %2 est trop grand pour la calculatrice</translation>
    </message>
    <message>
        <source>%1 − %2 is too large for the calculator</source>
        <translation>%1 − %2 est trop grand pour la calculatrice</translation>
    </message>
    <message>
        <source>%1 × %2 is too large for the calculator</source>
        <translation>%1 × %2 est trop grand pour la calculatrice</translation>
    </message>
    <message>
        <source>%1 ÷ %2 is too large for the calculator</source>
        <translation>%1 ÷ %2 est trop grand pour la calculatrice</translation>
    </message>
    <message>
        <source>%1 to the power %2 is too large for the calculator</source>
        <translation>%1 puissance %2 est trop grand pour la calculatrice</translation>
    </message>
    <message>
        <source>the factorial of %1 is too large for the calculator</source>
        <translation>la factorielle de %1 est trop grande pour la calculatrice</translation>
    </message>
    <message>
        <source>%1 ÷ %2 has no value</source>
        <translation>%1 ÷ %2 n’a pas de valeur</translation>
    </message>
    <message>
        <source>%1 cannot be divided by 0</source>
        <translation>%1 ne peut pas être divisé par 0</translation>
    </message>
    <message>
        <source>%1 to the negative power %2 has no value</source>
        <translation>%1 à la puissance négative %2 n’a pas de valeur</translation>
    </message>
    <message>
        <source>the square root of %1 has no real value</source>
        <translation>la racine carrée de %1 n’a pas de valeur réelle</translation>
    </message>
    <message>
        <source>the cube root of %1 has no real value</source>
        <translation>la racine cubique de %1 n’a pas de valeur réelle</translation>
    </message>
    <message>
        <source>%1 to the fractional power %2 has no real value</source>
        <translation>%1 à la puissance fractionnaire %2 n’a pas de valeur réelle</translation>
    </message>
    <message>
        <source>the calculation failed</source>
        <translation>le calcul a échoué</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>%1: %2 (computing “%3”, which is hidden).</source>
        <translation>%1 : %2 (en calculant « %3 », qui est masqué).</translation>
    </message>
    <message>
        <source>%1: %2 (computing “%3”).</source>
        <translation>%1 : %2 (en calculant « %3 »).</translation>
    </message>
    <message>
        <source>Unexpected error: %1</source>
        <translation>Erreur inattendue : %1</translation>
    </message>
</context>
<context>
    <name>Formula</name>
    <message>
        <source>1 × 2 × … × %1</source>
        <translation>1 × 2 × … × %1</translation>
    </message>
    <message>
        <source>%1, where %2 = %3</source>
        <translation>%1, où %2 = %3</translation>
    </message>
    <message>
        <source>%1 (π taken as 22/7)</source>
        <translation>%1 (π pris égal à 22/7)</translation>
    </message>
    <message>
        <source>radius</source>
        <translation>rayon</translation>
    </message>
    <message>
        <source>area</source>
        <translation>aire</translation>
    </message>
    <message>
        <source>circumference</source>
        <translation>circonférence</translation>
    </message>
    <message>
        <source>height</source>
        <translation>hauteur</translation>
    </message>
    <message>
        <source>slant height</source>
        <translation>génératrice</translation>
    </message>
    <message>
        <source>curved surface area</source>
        <translation>aire latérale</translation>
    </message>
    <message>
        <source>total surface area</source>
        <translation>aire totale</translation>
    </message>
    <message>
        <source>side</source>
        <translation>côté</translation>
    </message>
    <message>
        <source>length</source>
        <translation>longueur</translation>
    </message>
    <message>
        <source>lateral surface area</source>
        <translation>aire latérale</translation>
    </message>
    <message>
        <source>breadth</source>
        <translation>largeur</translation>
    </message>
    <message>
        <source>diagonal</source>
        <translation>diagonale</translation>
    </message>
    <message>
        <source>surface area</source>
        <translation>aire</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>c</source>
        <translation>c</translation>
    </message>
    <message>
        <source>number</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>cube root</source>
        <translation>racine cubique</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>premier nombre</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>second nombre</translation>
    </message>
    <message>
        <source>quotient</source>
        <translation>quotient</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>racine carrée</translation>
    </message>
    <message>
        <source>sum</source>
        <translation>somme</translation>
    </message>
    <message>
        <source>difference</source>
        <translation>différence</translation>
    </message>
    <message>
        <source>product</source>
        <translation>produit</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>exposant</translation>
    </message>
    <message>
        <source>base</source>
        <translation>base</translation>
    </message>
    <message>
        <source>power</source>
        <translation>puissance</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>factorielle</translation>
    </message>
    <message>
        <source>volume</source>
        <translation>volume</translation>
    </message>
</context>
<context>
    <name>Note</name>
    <message>
        <source>“%1” was read as %2: this window takes the full stop as its decimal point and no thousands separator, so its reading stopped at “%3”.</source>
        <translation>« %1 » a été lu comme %2 : cette fenêtre prend le point comme séparateur décimal, sans séparateur des milliers, et sa lecture s’est donc arrêtée à « %3 ».</translation>
    </message>
    <message>
        <source>“%1” holds %2, too small for the calculator, and was read as %3.</source>
        <translation>« %1 » contient %2, trop petit pour la calculatrice, et a été lu comme %3.</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 vaut %2.</translation>
    </message>
</context>
<context>
    <name>Start-up</name>
    <message>
        <source>Start it in a desktop session, or under a virtual X server: xvfb-run quorvane
</source>
        <translation>Lancez-la dans une session de bureau, ou sur un serveur X virtuel : xvfb-run quorvane
</translation>
    </message>
    <message>
        <source>The Quorvane Calculator: arithmetic, roots, areas and volumes, in windows of their own.</source>
        <translation>La calculatrice Quorvane : arithmétique, racines, aires et volumes, chacun dans sa propre fenêtre.</translation>
    </message>
    <message>
        <source>Shows these options and ends.</source>
        <translation>Affiche ces options et s’arrête.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Affiche la version et s’arrête.</translation>
    </message>
    <message>
        <source>The window system to open the windows on, by the name of Qt&apos;s plugin: xcb (X11), wayland, offscreen (no window is seen).</source>
        <translation>Le système de fenêtres où ouvrir les fenêtres, par le nom du module de Qt : xcb (X11), wayland, offscreen (aucune fenêtre n’est visible).</translation>
    </message>
    <message>
        <source>The X display to show the windows on (X11), such as :1.</source>
        <translation>L’affichage X où montrer les fenêtres (X11), par exemple :1.</translation>
    </message>
    <message>
        <source>The widget style: Fusion, Windows, or one a desktop installs.</source>
        <translation>Le style des widgets : Fusion, Windows, ou un style installé par un bureau.</translation>
    </message>
    <message>
        <source>Given by a session manager that starts the calculator again at login.</source>
        <translation>Donné par un gestionnaire de session qui relance la calculatrice à la connexion.</translation>
    </message>
    <message>
        <source>Where the main window opens, as X11 writes it: +X+Y from the screen&apos;s top left (-X, -Y from its right or bottom). A size is passed over: the windows keep theirs.</source>
        <translation>L’endroit où s’ouvre la fenêtre principale, à la manière de X11 : +X+Y depuis le coin supérieur gauche de l’écran (-X, -Y depuis sa droite ou son bas). Une taille est ignorée : les fenêtres gardent la leur.</translation>
    </message>
    <message>
        <source>quorvane: %1
quorvane --help shows the options.
</source>
        <translation>quorvane : %1
quorvane --help affiche les options.
</translation>
    </message>
    <message>
        <source>quorvane: Unexpected argument &apos;%1&apos;.
quorvane --help shows the options.
</source>
        <translation>quorvane : argument inattendu « %1 ».
quorvane --help affiche les options.
</translation>
    </message>
    <message>
        <source>Usage: quorvane [options]
</source>
        <translation>Utilisation : quorvane [options]
</translation>
    </message>
    <message>
        <source>
Qt&apos;s other standard options, such as -reverse, -qwindowtitle and -stylesheet,
are taken as any Qt program takes them (man quorvane).
</source>
        <translation>
Les autres options standard de Qt, comme -reverse, -qwindowtitle et -stylesheet,
sont acceptées comme par tout programme Qt (man quorvane).
</translation>
    </message>
    <message>
        <source>quorvane: Qt reads -%1 with its value after a space: -%1 VALUE.
quorvane --help shows the options.
</source>
        <translation>quorvane : Qt lit -%1 avec sa valeur après une espace : -%1 VALEUR.
quorvane --help affiche les options.
</translation>
    </message>
    <message>
        <source>quorvane: no display to show the calculator on (neither DISPLAY nor WAYLAND_DISPLAY is set).
%1</source>
        <translation>quorvane : aucun affichage où montrer la calculatrice (ni DISPLAY ni WAYLAND_DISPLAY n’est défini).
%1</translation>
    </message>
    <message>
        <source>quorvane: cannot open a window on this display.
</source>
        <translation>quorvane : impossible d’ouvrir une fenêtre sur cet affichage.
</translation>
    </message>
</context>
<context>
    <name>qv::frame::Field</name>
    <message numerus="yes">
        <source>Only the first of the %n pasted cells or lines, “%1”, was entered into “%2”.</source>
        <translation>
            <numerusform>Seule la %n cellule ou ligne collée, « %1 », a été saisie dans « %2 ».</numerusform>
            <numerusform>Seule la première des %n cellules ou lignes collées, « %1 », a été saisie dans « %2 ».</numerusform>
        </translation>
    </message>
</context>
</TS>
