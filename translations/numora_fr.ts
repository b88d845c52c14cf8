<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Constants</name>
    <message>
        <source>Constant No. %1</source>
        <translation>Constante n°&#xa0;%1</translation>
    </message>
    <message>
        <source>degree (angle)</source>
        <translation>degré (angle)</translation>
    </message>
    <message>
        <source>minute (angle)</source>
        <translation>minute (angle)</translation>
    </message>
    <message>
        <source>second (angle)</source>
        <translation>seconde (angle)</translation>
    </message>
    <message>
        <source>astronomical unit</source>
        <translation>unité astronomique</translation>
    </message>
    <message>
        <source>accelaration of fall</source>
        <translation>accélération de la pesanteur</translation>
    </message>
    <message>
        <source>grade</source>
        <translation>grade</translation>
    </message>
    <message>
        <source>knot</source>
        <translation>nœud</translation>
    </message>
    <message>
        <source>light year</source>
        <translation>année-lumière</translation>
    </message>
    <message>
        <source>nautical mile</source>
        <translation>mille marin</translation>
    </message>
    <message>
        <source>parsec</source>
        <translation>parsec</translation>
    </message>
    <message>
        <source>tropical year</source>
        <translation>année tropique</translation>
    </message>
    <message>
        <source>acre</source>
        <translation>acre</translation>
    </message>
    <message>
        <source>US barrel for petroleum</source>
        <translation>baril de pétrole US</translation>
    </message>
    <message>
        <source>dry barrel</source>
        <translation>baril pour matières sèches</translation>
    </message>
    <message>
        <source>bushel</source>
        <translation>boisseau</translation>
    </message>
    <message>
        <source>chain (surveyors)</source>
        <translation>chaîne (arpentage)</translation>
    </message>
    <message>
        <source>US in</source>
        <translation>tasse US</translation>
    </message>
    <message>
        <source>dry pint</source>
        <translation>pinte pour matières sèches</translation>
    </message>
    <message>
        <source>fathom (surveyors)</source>
        <translation>brasse (arpentage)</translation>
    </message>
    <message>
        <source>board foot</source>
        <translation>pied-planche</translation>
    </message>
    <message>
        <source>fluid ounce</source>
        <translation>once liquide</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>pied</translation>
    </message>
    <message>
        <source>foot (surveyors=US)</source>
        <translation>pied (arpentage US)</translation>
    </message>
    <message>
        <source>gallon (United Kingdom)</source>
        <translation>gallon (Royaume-Uni)</translation>
    </message>
    <message>
        <source>gallon (United States)</source>
        <translation>gallon (États-Unis)</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pouce</translation>
    </message>
    <message>
        <source>mil</source>
        <translation>mil (millième de pouce)</translation>
    </message>
    <message>
        <source>mile (International)</source>
        <translation>mile (international)</translation>
    </message>
    <message>
        <source>US statute mile</source>
        <translation>mile terrestre US</translation>
    </message>
    <message>
        <source>miles per hour</source>
        <translation>miles par heure</translation>
    </message>
    <message>
        <source>peck</source>
        <translation>picotin</translation>
    </message>
    <message>
        <source>pint</source>
        <translation>pinte</translation>
    </message>
    <message>
        <source>liquid pint</source>
        <translation>pinte liquide</translation>
    </message>
    <message>
        <source>tablespoon</source>
        <translation>cuillère à soupe</translation>
    </message>
    <message>
        <source>teaspoon</source>
        <translation>cuillère à café</translation>
    </message>
    <message>
        <source>yard</source>
        <translation>yard</translation>
    </message>
    <message>
        <source>US yard</source>
        <translation>yard US</translation>
    </message>
    <message>
        <source>technical atmosphere</source>
        <translation>atmosphère technique</translation>
    </message>
    <message>
        <source>standard atmosphere</source>
        <translation>atmosphère normale</translation>
    </message>
    <message>
        <source>metric carat</source>
        <translation>carat métrique</translation>
    </message>
    <message>
        <source>denier</source>
        <translation>denier</translation>
    </message>
    <message>
        <source>gravitational constant</source>
        <translation>constante de gravitation</translation>
    </message>
    <message>
        <source>kilogram-force</source>
        <translation>kilogramme-force</translation>
    </message>
    <message>
        <source>meter of water</source>
        <translation>mètre de colonne d&apos;eau</translation>
    </message>
    <message>
        <source>mm of mercury</source>
        <translation>millimètre de mercure</translation>
    </message>
    <message>
        <source>metric horsepower</source>
        <translation>cheval-vapeur métrique</translation>
    </message>
    <message>
        <source>torr</source>
        <translation>torr</translation>
    </message>
    <message>
        <source>hundred-weight</source>
        <translation>quintal anglo-saxon</translation>
    </message>
    <message>
        <source>foot pound of force</source>
        <translation>pied-livre-force</translation>
    </message>
    <message>
        <source>foot of water</source>
        <translation>pied de colonne d&apos;eau</translation>
    </message>
    <message>
        <source>grain</source>
        <translation>grain</translation>
    </message>
    <message>
        <source>horsepower</source>
        <translation>cheval-vapeur britannique</translation>
    </message>
    <message>
        <source>inch of water</source>
        <translation>pouce de colonne d&apos;eau</translation>
    </message>
    <message>
        <source>inch of mercury</source>
        <translation>pouce de mercure</translation>
    </message>
    <message>
        <source>pound</source>
        <translation>livre</translation>
    </message>
    <message>
        <source>pound-force</source>
        <translation>livre-force</translation>
    </message>
    <message>
        <source>troy pound</source>
        <translation>livre troy</translation>
    </message>
    <message>
        <source>ounce</source>
        <translation>once</translation>
    </message>
    <message>
        <source>troy ounce</source>
        <translation>once troy</translation>
    </message>
    <message>
        <source>poundal</source>
        <translation>poundal</translation>
    </message>
    <message>
        <source>pounds per square inch</source>
        <translation>livre-force par pouce carré</translation>
    </message>
    <message>
        <source>slug</source>
        <translation>slug</translation>
    </message>
    <message>
        <source>long ton</source>
        <translation>tonne longue</translation>
    </message>
    <message>
        <source>short ton</source>
        <translation>tonne courte</translation>
    </message>
    <message>
        <source>zero Celcius</source>
        <translation>zéro degré Celsius</translation>
    </message>
    <message>
        <source>15 degree calorie</source>
        <translation>calorie à 15 degrés</translation>
    </message>
    <message>
        <source>I.T. thermo-calorie</source>
        <translation>calorie internationale (IT)</translation>
    </message>
    <message>
        <source>chemical calorie</source>
        <translation>calorie thermochimique</translation>
    </message>
    <message>
        <source>degree Fahrenheit</source>
        <translation>degré Fahrenheit</translation>
    </message>
    <message>
        <source>Zero Fahrenheit</source>
        <translation>zéro degré Fahrenheit</translation>
    </message>
    <message>
        <source>British thermal unit</source>
        <translation>unité thermique britannique</translation>
    </message>
    <message>
        <source>specific heat capacity</source>
        <translation>capacité thermique massique</translation>
    </message>
    <message>
        <source>Btu per hour</source>
        <translation>Btu par heure</translation>
    </message>
    <message>
        <source>specific internal energy</source>
        <translation>énergie interne massique</translation>
    </message>
    <message>
        <source>therm</source>
        <translation>therm</translation>
    </message>
    <message>
        <source>permittivity of vacuum</source>
        <translation>permittivité du vide</translation>
    </message>
    <message>
        <source>permeability of vacuum</source>
        <translation>perméabilité du vide</translation>
    </message>
    <message>
        <source>G. electric capacitance</source>
        <translation>capacité électrique (CGS gaussien)</translation>
    </message>
    <message>
        <source>G. electric flux density</source>
        <translation>induction électrique (CGS gaussien)</translation>
    </message>
    <message>
        <source>G. electric field strength</source>
        <translation>champ électrique (CGS gaussien)</translation>
    </message>
    <message>
        <source>G. electric current Hs, G.</source>
        <translation>courant électrique (CGS gaussien)</translation>
    </message>
    <message>
        <source>magnetic field strength</source>
        <translation>champ magnétique</translation>
    </message>
    <message>
        <source>G. electric polarization</source>
        <translation>polarisation (CGS gaussien)</translation>
    </message>
    <message>
        <source>G. electric charge</source>
        <translation>charge électrique (CGS gaussien)</translation>
    </message>
    <message>
        <source>G. electric potential</source>
        <translation>potentiel électrique (CGS gaussien)</translation>
    </message>
    <message>
        <source>Stefan- Boltzmann constant</source>
        <translation>constante de Stefan-Boltzmann</translation>
    </message>
    <message>
        <source>speed of light</source>
        <translation>vitesse de la lumière</translation>
    </message>
    <message>
        <source>first radiation constant</source>
        <translation>première constante de rayonnement</translation>
    </message>
    <message>
        <source>second radiation constant</source>
        <translation>seconde constante de rayonnement</translation>
    </message>
    <message>
        <source>lambert</source>
        <translation>lambert</translation>
    </message>
    <message>
        <source>footlambert</source>
        <translation>foot-lambert</translation>
    </message>
    <message>
        <source>decibel, level difference</source>
        <translation>décibel, différence de niveau</translation>
    </message>
    <message>
        <source>neper, level difference</source>
        <translation>néper, différence de niveau</translation>
    </message>
    <message>
        <source>elementary charge</source>
        <translation>charge élémentaire</translation>
    </message>
    <message>
        <source>Faraday constant</source>
        <translation>constante de Faraday</translation>
    </message>
    <message>
        <source>Boltzmann constant</source>
        <translation>constante de Boltzmann</translation>
    </message>
    <message>
        <source>Avogadro constant</source>
        <translation>constante d&apos;Avogadro</translation>
    </message>
    <message>
        <source>molar gas constant</source>
        <translation>constante molaire des gaz</translation>
    </message>
    <message>
        <source>molar volume G. electric</source>
        <translation>volume molaire du gaz parfait</translation>
    </message>
    <message>
        <source>polarization of molecule æ G. electric</source>
        <translation>polarisabilité (CGS gaussien)</translation>
    </message>
    <message>
        <source>dipole of fine-molecule</source>
        <translation>moment dipolaire moléculaire</translation>
    </message>
    <message>
        <source>structure constant</source>
        <translation>constante de structure fine</translation>
    </message>
    <message>
        <source>gyro-magnetic coeff.p</source>
        <translation>rapport gyromagnétique du proton</translation>
    </message>
    <message>
        <source>g-m. coeff p in water</source>
        <translation>rapport gyromagn. du proton (eau)</translation>
    </message>
    <message>
        <source>Compton wavelength n</source>
        <translation>longueur d&apos;onde de Compton (neutron)</translation>
    </message>
    <message>
        <source>Compton wavelength p</source>
        <translation>longueur d&apos;onde de Compton (proton)</translation>
    </message>
    <message>
        <source>Bohr magneton</source>
        <translation>magnéton de Bohr</translation>
    </message>
    <message>
        <source>m. moment of electron</source>
        <translation>moment magnétique de l&apos;électron</translation>
    </message>
    <message>
        <source>nuclear magneton</source>
        <translation>magnéton nucléaire</translation>
    </message>
    <message>
        <source>m. moment of proton</source>
        <translation>moment magnétique du proton</translation>
    </message>
    <message>
        <source>Bohr radius</source>
        <translation>rayon de Bohr</translation>
    </message>
    <message>
        <source>Hartree energy</source>
        <translation>énergie de Hartree</translation>
    </message>
    <message>
        <source>electronvolt</source>
        <translation>électronvolt</translation>
    </message>
    <message>
        <source>Plank constant</source>
        <translation>constante de Planck</translation>
    </message>
    <message>
        <source>h/2pi</source>
        <translation>constante de Planck réduite</translation>
    </message>
    <message>
        <source>mass of hydrogen atom</source>
        <translation>masse de l&apos;atome d&apos;hydrogène</translation>
    </message>
    <message>
        <source>rest mass of electron</source>
        <translation>masse au repos de l&apos;électron</translation>
    </message>
    <message>
        <source>rest mass of neutron</source>
        <translation>masse au repos du neutron</translation>
    </message>
    <message>
        <source>rest mass of proton</source>
        <translation>masse au repos du proton</translation>
    </message>
    <message>
        <source>Rydberg constant</source>
        <translation>constante de Rydberg</translation>
    </message>
    <message>
        <source>Electron radius</source>
        <translation>rayon classique de l&apos;électron</translation>
    </message>
    <message>
        <source>Atomic mass unit</source>
        <translation>unité de masse atomique</translation>
    </message>
    <message>
        <source>curie</source>
        <translation>curie</translation>
    </message>
    <message>
        <source>roentgen</source>
        <translation>röntgen</translation>
    </message>
    <message>
        <source>fluxoid quantum</source>
        <translation>quantum de flux magnétique</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Divide by Zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Infinity</source>
        <translation>Infini</translation>
    </message>
    <message>
        <source>Invalid Power</source>
        <translation>Puissance invalide</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Indéfini</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Hors limites</translation>
    </message>
    <message>
        <source>Empty Data</source>
        <translation>Aucune donnée</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Warning:</source>
        <translation>Avertissement&#xa0;:</translation>
    </message>
    <message>
        <source>Error No. %1:  %2</source>
        <translation>Erreur n°&#xa0;%1&#xa0;:  %2</translation>
    </message>
    <message>
        <source>it stays as it is and will not be saved over until Numora is started again</source>
        <translation>le fichier est conservé tel quel et ne sera pas écrasé avant le prochain démarrage de Numora</translation>
    </message>
    <message>
        <source>Path/File access error: cannot save %1: %2; the file was left as it was</source>
        <translation>Erreur d&apos;accès au chemin ou au fichier&#xa0;: impossible d&apos;enregistrer %1&#xa0;: %2&#xa0;; le fichier a été laissé tel quel</translation>
    </message>
    <message>
        <source>the file was kept as %1</source>
        <translation>le fichier a été conservé sous %1</translation>
    </message>
    <message>
        <source>it could not be set aside (%1), so %2</source>
        <translation>il n&apos;a pas pu être mis de côté (%1)&#xa0;; par conséquent, %2</translation>
    </message>
    <message>
        <source>Path/File access error: cannot read %1 (%2); %3</source>
        <translation>Erreur d&apos;accès au chemin ou au fichier&#xa0;: impossible de lire %1 (%2)&#xa0;; %3</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Overview</source>
        <translation>Présentation</translation>
    </message>
    <message>
        <source>Numora was written to have a capable scientific calculator at hand while working in a spreadsheet, so that a quick calculation never means leaving the figures you are looking at.</source>
        <translation>Numora a été conçu pour offrir une calculatrice scientifique complète à portée de main pendant que vous travaillez dans un tableur&#xa0;: ainsi, un calcul rapide ne vous oblige jamais à quitter des yeux les chiffres que vous consultez.</translation>
    </message>
    <message>
        <source>It is not meant to replace the calculator that comes with your system. It is shared as a tool, in the hope that it serves you as well as it has served us.</source>
        <translation>Il ne prétend pas remplacer la calculatrice fournie avec votre système. Il est partagé en tant qu&apos;outil, dans l&apos;espoir qu&apos;il vous rende d&apos;aussi bons services qu&apos;à nous.</translation>
    </message>
    <message>
        <source>Every key works with the mouse and with the keyboard, and with Read Out Loud switched on the calculator names each key and reads every result aloud.</source>
        <translation>Chaque touche s&apos;utilise à la souris comme au clavier. Lorsque l&apos;option Lecture à voix haute est activée, la calculatrice annonce le nom de chaque touche et lit chaque résultat.</translation>
    </message>
    <message>
        <source>Tab and Shift+Tab move among the keys, the keypad and the pages, Space presses the key in focus, and Ctrl+Tab turns the page. While a screen reader is running it announces the display, so Read Out Loud leaves the results to it and only names the keys.</source>
        <translation>Tab et Shift+Tab permettent de parcourir les touches, le pavé numérique et les pages, Espace actionne la touche sélectionnée et Ctrl+Tab change de page. Lorsqu&apos;un lecteur d&apos;écran est actif, c&apos;est lui qui annonce l&apos;affichage&#xa0;: l&apos;option Lecture à voix haute lui laisse alors les résultats et se contente d&apos;annoncer le nom des touches.</translation>
    </message>
    <message>
        <source>Questions and suggestions are welcome. Please send them to the contact below.</source>
        <translation>Vos questions et suggestions sont les bienvenues. Veuillez les adresser au contact ci-dessous.</translation>
    </message>
    <message>
        <source>The Numora developers</source>
        <translation>Les développeurs de Numora</translation>
    </message>
    <message>
        <source>Telephone: 555-0100</source>
        <translation>Téléphone&#xa0;: 555-0100</translation>
    </message>
    <message>
        <source>Mobile: 555-0199</source>
        <translation>Portable&#xa0;: 555-0199</translation>
    </message>
    <message>
        <source>Calculator Capabilities</source>
        <translation>Fonctionnalités de la calculatrice</translation>
    </message>
    <message>
        <source>A.) Performs the following  mathematical operations in accordance with the following calculation priority sequence:</source>
        <translation>A.) Effectue les opérations mathématiques suivantes dans l&apos;ordre de priorité de calcul ci-dessous&#xa0;:</translation>
    </message>
    <message>
        <source>    1.) functions</source>
        <translation>    1.) fonctions</translation>
    </message>
    <message>
        <source>    2.) polar to rectangular,</source>
        <translation>    2.) polaires en rectangulaires,</translation>
    </message>
    <message>
        <source>        rectangular to polar</source>
        <translation>        rectangulaires en polaires</translation>
    </message>
    <message>
        <source>    3.) exponential</source>
        <translation>    3.) puissances</translation>
    </message>
    <message>
        <source>    4.) multiplication</source>
        <translation>    4.) multiplication</translation>
    </message>
    <message>
        <source>    5.) division</source>
        <translation>    5.) division</translation>
    </message>
    <message>
        <source>    6.) addition</source>
        <translation>    6.) addition</translation>
    </message>
    <message>
        <source>    7.) subtraction</source>
        <translation>    7.) soustraction</translation>
    </message>
    <message>
        <source>B.) Performs the following scientific functions:</source>
        <translation>B.) Calcule les fonctions scientifiques suivantes&#xa0;:</translation>
    </message>
    <message>
        <source>    1.) Trigonometric:</source>
        <translation>    1.) Trigonométriques&#xa0;:</translation>
    </message>
    <message>
        <source>        a.) Sine</source>
        <translation>        a.) Sinus</translation>
    </message>
    <message>
        <source>        b.) Cosine</source>
        <translation>        b.) Cosinus</translation>
    </message>
    <message>
        <source>        c.) Tangent</source>
        <translation>        c.) Tangente</translation>
    </message>
    <message>
        <source>    2.) Inverse-trigonometric:</source>
        <translation>    2.) Trigonométriques réciproques&#xa0;:</translation>
    </message>
    <message>
        <source>        a.) Arc-Sine</source>
        <translation>        a.) Arc sinus</translation>
    </message>
    <message>
        <source>        b.) Arc-Cosine</source>
        <translation>        b.) Arc cosinus</translation>
    </message>
    <message>
        <source>        c.) Arc-Tangent</source>
        <translation>        c.) Arc tangente</translation>
    </message>
    <message>
        <source>    3.) Hyperbolic:</source>
        <translation>    3.) Hyperboliques&#xa0;:</translation>
    </message>
    <message>
        <source>        a.) Hyperbolic Sine</source>
        <translation>        a.) Sinus hyperbolique</translation>
    </message>
    <message>
        <source>        b.) Hyperbolic Cosine</source>
        <translation>        b.) Cosinus hyperbolique</translation>
    </message>
    <message>
        <source>        c.) Hyperbolic Tangent</source>
        <translation>        c.) Tangente hyperbolique</translation>
    </message>
    <message>
        <source>    4.) Inverse Hyperbolic:</source>
        <translation>    4.) Hyperboliques réciproques&#xa0;:</translation>
    </message>
    <message>
        <source>        a.) Inverse Hyperbolic Sine</source>
        <translation>        a.) Argument sinus hyperbolique</translation>
    </message>
    <message>
        <source>        b.) Inverse Hyperbolic Cosine</source>
        <translation>        b.) Argument cosinus hyperbolique</translation>
    </message>
    <message>
        <source>        c.) Inverse Hyperbolic Tangent</source>
        <translation>        c.) Argument tangente hyperbolique</translation>
    </message>
    <message>
        <source>Mode Settings</source>
        <translation>Réglage des modes</translation>
    </message>
    <message>
        <source>Picking the &apos;mode&apos; tab specify desired calculation modes. </source>
        <translation>Sélectionnez l&apos;onglet «&#xa0;Modes&#xa0;» pour définir les modes de calcul souhaités. </translation>
    </message>
    <message>
        <source>Available calculation modes to set are the following:</source>
        <translation>Les modes de calcul disponibles sont les suivants&#xa0;:</translation>
    </message>
    <message>
        <source>1.) Display Modes</source>
        <translation>1.) Modes d&apos;affichage</translation>
    </message>
    <message>
        <source>2.) Angle Specification Modes</source>
        <translation>2.) Modes angulaires</translation>
    </message>
    <message>
        <source>Display Modes</source>
        <translation>Modes d&apos;affichage</translation>
    </message>
    <message>
        <source>a.) Scientific display mode:</source>
        <translation>a.) Mode d&apos;affichage scientifique&#xa0;:</translation>
    </message>
    <message>
        <source>Use this mode to force the calculator to display the result of calculation in exponential form. You may specify Display Precision Number via a droplist provided for.</source>
        <translation>Utilisez ce mode pour que la calculatrice affiche toujours le résultat du calcul en notation exponentielle. Vous pouvez définir la précision d&apos;affichage dans la liste déroulante prévue à cet effet.</translation>
    </message>
    <message>
        <source>b.) Fix mode:</source>
        <translation>b.) Mode virgule fixe&#xa0;:</translation>
    </message>
    <message>
        <source>Use this mode to force the calculator to display the result of calculation in ordinary decimal form. You may specify Display Precision Number via a droplist provided for.</source>
        <translation>Utilisez ce mode pour que la calculatrice affiche toujours le résultat du calcul en notation décimale ordinaire. Vous pouvez définir la précision d&apos;affichage dans la liste déroulante prévue à cet effet.</translation>
    </message>
    <message>
        <source>Result of calculations are normally displayed with a maximum of 15 significant digits. However, exponential display is automatically performed for any number less than 0.0001(10^-4) or from 1000 trillion (10^15) up.</source>
        <translation>Les résultats des calculs s&apos;affichent normalement avec 15 chiffres significatifs au maximum. Toutefois, l&apos;affichage passe automatiquement en notation exponentielle pour tout nombre inférieur à 0,0001 (10^-4) ou supérieur ou égal à un million de milliards (10^15).</translation>
    </message>
    <message>
        <source>c.) Normal mode:</source>
        <translation>c.) Mode normal&#xa0;:</translation>
    </message>
    <message>
        <source>Use this mode to clear display mode previously set. Picking the Normal mode key restores calculator&apos;s normal display with a maximum of fifteen significant digits for mantissa and two digits for exponent.</source>
        <translation>Utilisez ce mode pour annuler le mode d&apos;affichage choisi précédemment. Le mode Normal rétablit l&apos;affichage habituel de la calculatrice, avec au maximum quinze chiffres significatifs pour la mantisse et deux chiffres pour l&apos;exposant.</translation>
    </message>
    <message>
        <source>Angle Specification Modes</source>
        <translation>Modes angulaires</translation>
    </message>
    <message>
        <source>a.) DEGREE mode:</source>
        <translation>a.) Mode DEGRÉS&#xa0;:</translation>
    </message>
    <message>
        <source>Use this mode to specify the unit of angular measurement as degrees.</source>
        <translation>Utilisez ce mode pour mesurer les angles en degrés.</translation>
    </message>
    <message>
        <source>b.) RADIAN mode:</source>
        <translation>b.) Mode RADIANS&#xa0;:</translation>
    </message>
    <message>
        <source>Use this mode to specify the unit of angular measurement as radians.</source>
        <translation>Utilisez ce mode pour mesurer les angles en radians.</translation>
    </message>
    <message>
        <source>c.) GRADIAN mode:</source>
        <translation>c.) Mode GRADES&#xa0;:</translation>
    </message>
    <message>
        <source>Use this mode to specify the unit of angular measurement as gradians. </source>
        <translation>Utilisez ce mode pour mesurer les angles en grades. </translation>
    </message>
    <message>
        <source>Numeric keys</source>
        <translation>Touches numériques</translation>
    </message>
    <message>
        <source>Pick any of the numeric keys to enter a value. Press &apos;.&apos; to enter a decimal point.</source>
        <translation>Utilisez les touches numériques pour saisir une valeur. Appuyez sur &apos;.&apos; pour saisir la virgule décimale.</translation>
    </message>
    <message>
        <source>Values are entered from left to right. You cannot enter a value that is more than 15 digits long. Any numeric key pressed after the 15th digit is ignored.</source>
        <translation>Les valeurs se saisissent de gauche à droite. Vous ne pouvez pas saisir une valeur de plus de 15 chiffres&#xa0;: toute touche numérique actionnée après le quinzième chiffre est ignorée.</translation>
    </message>
    <message>
        <source>Arithmetic Operation keys</source>
        <translation>Touches d&apos;opérations arithmétiques</translation>
    </message>
    <message>
        <source>Pick these keys in the same order as they appear in the formula to perform arithmetic operations. Press &apos;=&apos; to display the final result.</source>
        <translation>Pour effectuer des opérations arithmétiques, appuyez sur ces touches dans l&apos;ordre où elles apparaissent dans la formule. Appuyez sur &apos;=&apos; pour afficher le résultat final.</translation>
    </message>
    <message>
        <source>Below are the available arithmetic keys with their corresponding descriptions:</source>
        <translation>Voici les touches arithmétiques disponibles et leur description&#xa0;:</translation>
    </message>
    <message>
        <source>a.) &apos;x^y&apos;    - Power key:</source>
        <translation>a.) &apos;x^y&apos;    - Touche puissance&#xa0;:</translation>
    </message>
    <message>
        <source>Press this key to raise x to the y power.</source>
        <translation>Appuyez sur cette touche pour élever x à la puissance y.</translation>
    </message>
    <message>
        <source>b.) &apos;root&apos;   - Power root key:</source>
        <translation>b.) &apos;root&apos;   - Touche racine&#xa0;:</translation>
    </message>
    <message>
        <source>Press this key to raise x to the 1/y power.</source>
        <translation>Appuyez sur cette touche pour élever x à la puissance 1/y.</translation>
    </message>
    <message>
        <source>c.) &apos;x&apos;      - Multiplication key:</source>
        <translation>c.) &apos;x&apos;      - Touche multiplication&#xa0;:</translation>
    </message>
    <message>
        <source>Press this key to perform multiplication.</source>
        <translation>Appuyez sur cette touche pour effectuer une multiplication.</translation>
    </message>
    <message>
        <source>d.) &apos;/&apos;      - Division key:</source>
        <translation>d.) &apos;/&apos;      - Touche division&#xa0;:</translation>
    </message>
    <message>
        <source>Press this key to perform division.</source>
        <translation>Appuyez sur cette touche pour effectuer une division.</translation>
    </message>
    <message>
        <source>e.) &apos;+&apos;      - Addition key:</source>
        <translation>e.) &apos;+&apos;      - Touche addition&#xa0;:</translation>
    </message>
    <message>
        <source>Press this key to perform addition.</source>
        <translation>Appuyez sur cette touche pour effectuer une addition.</translation>
    </message>
    <message>
        <source>f.) &apos;-&apos;      - Subtraction key:</source>
        <translation>f.) &apos;-&apos;      - Touche soustraction&#xa0;:</translation>
    </message>
    <message>
        <source>Press this key to perform subtraction.</source>
        <translation>Appuyez sur cette touche pour effectuer une soustraction.</translation>
    </message>
    <message>
        <source> TO THE POWER </source>
        <translation> PUISSANCE </translation>
    </message>
    <message>
        <source>SLASH</source>
        <translation>BARRE OBLIQUE</translation>
    </message>
    <message>
        <source> OVER </source>
        <translation> SUR </translation>
    </message>
    <message>
        <source> PERIOD </source>
        <translation> POINT </translation>
    </message>
    <message>
        <source> EQUAL </source>
        <translation> ÉGAL </translation>
    </message>
    <message>
        <source> DASH </source>
        <translation> TIRET </translation>
    </message>
    <message>
        <source>About the Author</source>
        <translation>À propos de l&apos;auteur</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>.</source>
        <extracomment>The decimal separator in which the voice reads numbers: &quot;,&quot; where the language writes 0,25.</extracomment>
        <translation>,</translation>
    </message>
    <message>
        <source>times 10 to the power</source>
        <translation>fois 10 puissance</translation>
    </message>
    <message>
        <source>negative</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>register in</source>
        <translation>mise en registre</translation>
    </message>
    <message>
        <source>register out</source>
        <translation>rappel de registre</translation>
    </message>
    <message>
        <source>angle input</source>
        <translation>saisie d&apos;angle</translation>
    </message>
    <message>
        <source>angular display</source>
        <translation>affichage d&apos;angle</translation>
    </message>
    <message>
        <source>fraction input</source>
        <translation>saisie de fraction</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>changement de signe</translation>
    </message>
    <message>
        <source>back</source>
        <translation>retour arrière</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>horloge</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>nombre aléatoire</translation>
    </message>
    <message>
        <source>clear registers</source>
        <translation>effacer les registres</translation>
    </message>
    <message>
        <source>rectangular to polar</source>
        <translation>rectangulaires en polaires</translation>
    </message>
    <message>
        <source>polar to rectangular</source>
        <translation>polaires en rectangulaires</translation>
    </message>
    <message>
        <source>constant</source>
        <translation>constante</translation>
    </message>
    <message>
        <source>swap with register</source>
        <translation>échanger avec le registre</translation>
    </message>
    <message>
        <source>swap x and y</source>
        <translation>échanger x et y</translation>
    </message>
    <message>
        <source>fraction convert</source>
        <translation>conversion de fraction</translation>
    </message>
    <message>
        <source>engineering shift right</source>
        <translation>décalage ingénieur vers la droite</translation>
    </message>
    <message>
        <source>engineering shift left</source>
        <translation>décalage ingénieur vers la gauche</translation>
    </message>
    <message>
        <source>memory plus</source>
        <translation>mémoire plus</translation>
    </message>
    <message>
        <source>memory minus</source>
        <translation>mémoire moins</translation>
    </message>
    <message>
        <source>sum of squares</source>
        <translation>somme des carrés</translation>
    </message>
    <message>
        <source>square of sum</source>
        <translation>carré de la somme</translation>
    </message>
    <message>
        <source>sum of data</source>
        <translation>somme des données</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>moyenne</translation>
    </message>
    <message>
        <source>sample standard deviation</source>
        <translation>écart type de l&apos;échantillon</translation>
    </message>
    <message>
        <source>population standard deviation</source>
        <translation>écart type de la population</translation>
    </message>
    <message>
        <source>data count</source>
        <translation>nombre de données</translation>
    </message>
    <message>
        <source>delete data</source>
        <translation>supprimer une donnée</translation>
    </message>
    <message>
        <source>add data</source>
        <translation>ajouter une donnée</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>annuler</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>tout effacer</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>point</source>
        <translation>virgule</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>égal</translation>
    </message>
    <message>
        <source>pending</source>
        <translation>opérateur en attente</translation>
    </message>
    <message>
        <source>last operator</source>
        <translation>dernier opérateur</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>inverse</translation>
    </message>
    <message>
        <source>Memory In</source>
        <translation>Mise en mémoire</translation>
    </message>
    <message>
        <source>Memory Recall</source>
        <translation>Rappel de la mémoire</translation>
    </message>
    <message>
        <source>Root Extractor</source>
        <translation>Extraction de racine</translation>
    </message>
    <message>
        <source>root</source>
        <translation>racine</translation>
    </message>
    <message>
        <source>Raise to the Power</source>
        <translation>Élévation à la puissance</translation>
    </message>
    <message>
        <source>to the power</source>
        <translation>puissance</translation>
    </message>
    <message>
        <source>Square Root</source>
        <translation>Racine carrée</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>racine carrée</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>squared</source>
        <translation>au carré</translation>
    </message>
    <message>
        <source>Inverse Tangent</source>
        <translation>Arc tangente</translation>
    </message>
    <message>
        <source>inverse tangent</source>
        <translation>arc tangente</translation>
    </message>
    <message>
        <source>Inverse Sine</source>
        <translation>Arc sinus</translation>
    </message>
    <message>
        <source>inverse sine</source>
        <translation>arc sinus</translation>
    </message>
    <message>
        <source>Inverse Cosine</source>
        <translation>Arc cosinus</translation>
    </message>
    <message>
        <source>inverse cosine</source>
        <translation>arc cosinus</translation>
    </message>
    <message>
        <source>Angle Input</source>
        <translation>Saisie d&apos;angle</translation>
    </message>
    <message>
        <source>Angular Display</source>
        <translation>Affichage d&apos;angle</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangente</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>tangente</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>sinus</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Cosinus</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>cosinus</translation>
    </message>
    <message>
        <source>Fraction Input</source>
        <translation>Saisie de fraction</translation>
    </message>
    <message>
        <source>Toogle Number Sign</source>
        <translation>Changement de signe</translation>
    </message>
    <message>
        <source>Erase Input</source>
        <translation>Effacer le dernier chiffre</translation>
    </message>
    <message>
        <source>memory in</source>
        <translation>mise en mémoire</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>rappel de la mémoire</translation>
    </message>
    <message>
        <source>Display CLock</source>
        <translation>Afficher l&apos;horloge</translation>
    </message>
    <message>
        <source>Logarithm</source>
        <translation>Logarithme décimal</translation>
    </message>
    <message>
        <source>log</source>
        <translation>log</translation>
    </message>
    <message>
        <source>Natural Logarithm</source>
        <translation>Logarithme népérien</translation>
    </message>
    <message>
        <source>ln</source>
        <translation>log népérien</translation>
    </message>
    <message>
        <source>Random number generator</source>
        <translation>Générateur de nombres aléatoires</translation>
    </message>
    <message>
        <source>Memory Delete</source>
        <translation>Effacer la mémoire</translation>
    </message>
    <message>
        <source>Cube Root</source>
        <translation>Racine cubique</translation>
    </message>
    <message>
        <source>cube root</source>
        <translation>racine cubique</translation>
    </message>
    <message>
        <source>Anti-Logarithm </source>
        <translation>Antilogarithme décimal </translation>
    </message>
    <message>
        <source>anti log</source>
        <translation>anti log</translation>
    </message>
    <message>
        <source>Anti-Natural Logarithm</source>
        <translation>Antilogarithme népérien</translation>
    </message>
    <message>
        <source>anti ln</source>
        <translation>anti log népérien</translation>
    </message>
    <message>
        <source>Rectangular to Polar</source>
        <translation>Rectangulaires en polaires</translation>
    </message>
    <message>
        <source>Polar to Rectangular</source>
        <translation>Polaires en rectangulaires</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Cube</translation>
    </message>
    <message>
        <source>cube</source>
        <translation>au cube</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Factorielle</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>factorielle</translation>
    </message>
    <message>
        <source>Scientific Constant</source>
        <translation>Constante scientifique</translation>
    </message>
    <message>
        <source>Memory Swap</source>
        <translation>Échanger avec la mémoire</translation>
    </message>
    <message>
        <source>Input Swap</source>
        <translation>Échanger x et y</translation>
    </message>
    <message>
        <source>Fraction Converter</source>
        <translation>Conversion de fraction</translation>
    </message>
    <message>
        <source>Memory Plus</source>
        <translation>Ajouter à la mémoire</translation>
    </message>
    <message>
        <source>Memory Minus</source>
        <translation>Soustraire de la mémoire</translation>
    </message>
    <message>
        <source>Hyperbolic Tangent</source>
        <translation>Tangente hyperbolique</translation>
    </message>
    <message>
        <source>hyperbolic tangent</source>
        <translation>tangente hyperbolique</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Tangent</source>
        <translation>Argument tangente hyperbolique</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>argument tangente hyperbolique</translation>
    </message>
    <message>
        <source>Sum of square of data</source>
        <translation>Somme des carrés des données</translation>
    </message>
    <message>
        <source>Sum of data raise to the power 2</source>
        <translation>Carré de la somme des données</translation>
    </message>
    <message>
        <source>Sum of data</source>
        <translation>Somme des données</translation>
    </message>
    <message>
        <source>Hyperbolic Sine</source>
        <translation>Sinus hyperbolique</translation>
    </message>
    <message>
        <source>hyperbolic sine</source>
        <translation>sinus hyperbolique</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Sine</source>
        <translation>Argument sinus hyperbolique</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>argument sinus hyperbolique</translation>
    </message>
    <message>
        <source>Data mean</source>
        <translation>Moyenne des données</translation>
    </message>
    <message>
        <source>Sample standard deviation</source>
        <translation>Écart type de l&apos;échantillon</translation>
    </message>
    <message>
        <source>Population standard deviation</source>
        <translation>Écart type de la population</translation>
    </message>
    <message>
        <source>Hyperbolic Cosine</source>
        <translation>Cosinus hyperbolique</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>cosinus hyperbolique</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cosine</source>
        <translation>Argument cosinus hyperbolique</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>argument cosinus hyperbolique</translation>
    </message>
    <message>
        <source>Data count</source>
        <translation>Nombre de données</translation>
    </message>
    <message>
        <source>Delete data</source>
        <translation>Supprimer une donnée</translation>
    </message>
    <message>
        <source>Add data</source>
        <translation>Ajouter une donnée</translation>
    </message>
    <message>
        <source>Numeral 7</source>
        <translation>Chiffre 7</translation>
    </message>
    <message>
        <source>Numeral 8</source>
        <translation>Chiffre 8</translation>
    </message>
    <message>
        <source>Numeral 9</source>
        <translation>Chiffre 9</translation>
    </message>
    <message>
        <source>Cancel Input</source>
        <translation>Effacer la saisie</translation>
    </message>
    <message>
        <source>Clear Calculation</source>
        <translation>Effacer le calcul</translation>
    </message>
    <message>
        <source>Numeral 4</source>
        <translation>Chiffre 4</translation>
    </message>
    <message>
        <source>Numeral 5</source>
        <translation>Chiffre 5</translation>
    </message>
    <message>
        <source>Numeral 6</source>
        <translation>Chiffre 6</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>Numeral One</source>
        <translation>Chiffre 1</translation>
    </message>
    <message>
        <source>Numeral Two</source>
        <translation>Chiffre 2</translation>
    </message>
    <message>
        <source>Numeral 3</source>
        <translation>Chiffre 3</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>+</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>Numeral Zero</source>
        <translation>Chiffre 0</translation>
    </message>
    <message>
        <source>Decimal Point</source>
        <translation>Virgule décimale</translation>
    </message>
    <message>
        <source>Exponent  [F8]</source>
        <translation>Exposant  [F8]</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>exposant</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Égal</translation>
    </message>
    <message>
        <source>Constant PI  [F9]</source>
        <translation>Constante PI  [F9]</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>pi</translation>
    </message>
</context>
<context>
    <name>Memory</name>
    <message>
        <source>Memory IN</source>
        <translation>Mémoire ENTRÉE</translation>
    </message>
    <message>
        <source>Choose memory address to SAVE to.</source>
        <translation>Choisissez l&apos;adresse mémoire où ENREGISTRER la valeur.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Memory RECALL</source>
        <translation>Mémoire RAPPEL</translation>
    </message>
    <message>
        <source>Choose memory address to RECALL value.</source>
        <translation>Choisissez l&apos;adresse mémoire dont la valeur est à RAPPELER.</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Rappeler</translation>
    </message>
    <message>
        <source>Memory SWAP</source>
        <translation>Mémoire ÉCHANGE</translation>
    </message>
    <message>
        <source>Choose memory address to SWAP value.</source>
        <translation>Choisissez l&apos;adresse mémoire avec laquelle ÉCHANGER la valeur.</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Échanger</translation>
    </message>
    <message>
        <source>Memory ADD</source>
        <translation>Mémoire PLUS</translation>
    </message>
    <message>
        <source>Choose memory address to ADD value to.</source>
        <translation>Choisissez l&apos;adresse mémoire à laquelle AJOUTER la valeur.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Memory MINUS</source>
        <translation>Mémoire MOINS</translation>
    </message>
    <message>
        <source>Choose memory address to SUBTRACT value from.</source>
        <translation>Choisissez l&apos;adresse mémoire de laquelle SOUSTRAIRE la valeur.</translation>
    </message>
    <message>
        <source>Memory DELETE</source>
        <translation>Mémoire SUPPRESSION</translation>
    </message>
    <message>
        <source>Choose memory address to DELETE value.</source>
        <translation>Choisissez l&apos;adresse mémoire dont la valeur est à SUPPRIMER.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Specify Description</source>
        <translation>Saisissez une description</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>No specified description</source>
        <translation>Aucune description</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Are you sure you want to delete Selected Data?</source>
        <translation>Voulez-vous vraiment supprimer les données sélectionnées&#xa0;?</translation>
    </message>
    <message>
        <source>Do you wish to OVERWRITE %1 ?</source>
        <translation>Voulez-vous ÉCRASER %1&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Numora</name>
    <message>
        <source>F1 to F4 change pages   F8 EXP   F9 PI</source>
        <translation>Pages&#xa0;: F1 à F4   F8 EXP   F9 PI</translation>
    </message>
    <message>
        <source>1st Function</source>
        <translation>Fonctions 1</translation>
    </message>
    <message>
        <source>2nd Function</source>
        <translation>Fonctions 2</translation>
    </message>
    <message>
        <source>3rd Function</source>
        <translation>Fonctions 3</translation>
    </message>
    <message>
        <source>Calc Mode</source>
        <translation>Modes</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Toujours visible</translation>
    </message>
    <message>
        <source>Read Out Loud</source>
        <translation>Lecture à voix haute</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Fonctions</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Copy Result to Clipboard</source>
        <translation>Copier le résultat dans le presse-papiers</translation>
    </message>
    <message>
        <source>Paste to Display as Input</source>
        <translation>Coller dans l&apos;affichage comme saisie</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Bande papier</translation>
    </message>
    <message>
        <source>&amp;Modes</source>
        <translation>&amp;Modes</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>Mode d&apos;affichage</translation>
    </message>
    <message>
        <source>Fixed Mode</source>
        <translation>Virgule fixe</translation>
    </message>
    <message>
        <source>Scientific Mode</source>
        <translation>Scientifique</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>&amp;Angular Mode</source>
        <translation>Mode &amp;angulaire</translation>
    </message>
    <message>
        <source>Degree Mode</source>
        <translation>Degrés</translation>
    </message>
    <message>
        <source>Radian Mode</source>
        <translation>Radians</translation>
    </message>
    <message>
        <source>Gradian Mode</source>
        <translation>Grades</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>About Calculator</source>
        <translation>À propos de la calculatrice</translation>
    </message>
    <message>
        <source>Display Modes</source>
        <translation>Modes d&apos;affichage</translation>
    </message>
    <message>
        <source>Angular Modes</source>
        <translation>Modes angulaires</translation>
    </message>
    <message>
        <source>Display Precision [for Fixed &amp;&amp; Scientific Modes]</source>
        <translation>Précision d&apos;affichage [virgule fixe &amp;&amp; scientifique]</translation>
    </message>
    <message>
        <source>Hyperbolic Functions</source>
        <translation>Fonct. hyperboliques</translation>
    </message>
    <message>
        <source>Standard Deviation Functions</source>
        <translation>Fonctions d&apos;écart type</translation>
    </message>
    <message>
        <source>   Address</source>
        <translation>   Adresse</translation>
    </message>
    <message>
        <source>              Value</source>
        <translation>              Valeur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Choose data to delete:</source>
        <translation>Choisissez les données à supprimer&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Scientific Constant</source>
        <translation>Constante scientifique</translation>
    </message>
    <message>
        <source> No.</source>
        <translation> N°</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Value  </source>
        <translation>Valeur  </translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>SPECIFY CONSTANT:</source>
        <translation>CHOISISSEZ LA CONSTANTE&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>Select a menu option to see a brief description.</source>
        <translation>Sélectionnez une rubrique dans le menu pour en afficher une brève description.</translation>
    </message>
    <message>
        <source>Calculator Help</source>
        <translation>Aide de la calculatrice</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copyright © The Numora developers.
Free software under the MIT licence.</source>
        <translation>Copyright © Les développeurs de Numora.
Logiciel libre sous licence MIT.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. Reproduction or distribution of it, or of any part of it, against the terms of its licence is not permitted.</source>
        <translation>Avertissement&#xa0;: ce programme est protégé par la législation sur le droit d&apos;auteur. Toute reproduction ou diffusion, totale ou partielle, contraire aux termes de sa licence est interdite.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Read-out: %1</source>
        <translation>Voix&#xa0;: %1</translation>
    </message>
    <message>
        <source>not used yet</source>
        <translation>pas encore utilisée</translation>
    </message>
    <message>
        <source>Please send your comments to:</source>
        <translation>Envoyez vos remarques à&#xa0;:</translation>
    </message>
    <message>
        <source>Error contacting %1 please try again later.</source>
        <translation>Impossible de contacter %1. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Usage: numora [--dir DIR]
A scientific calculator. A second start brings the running copy&apos;s window forward.

  --dir DIR      read and save the memory registers and the data set in DIR
  -h, --help     show this text and exit
  -v, --version  show the version and exit

See numora(1).
</source>
        <translation>Utilisation&#xa0;: numora [--dir DIR]
Calculatrice scientifique. Un second lancement ramène au premier plan la fenêtre de l&apos;instance en cours d&apos;exécution.

  --dir DIR      lire et enregistrer les registres mémoire et les données dans DIR
  -h, --help     afficher ce texte et quitter
  -v, --version  afficher la version et quitter

Voir numora(1).
</translation>
    </message>
    <message>
        <source>On this desktop a window cannot keep itself above others; the desktop&apos;s window menu can keep it there.</source>
        <translation>Dans cet environnement de bureau, une fenêtre ne peut pas se maintenir elle-même au-dessus des autres&#xa0;; le menu de la fenêtre proposé par le bureau peut l&apos;y maintenir.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>No brackets: Numora evaluates by priority as you key</source>
        <translation>Pas de parenthèses&#xa0;: Numora applique les priorités à la saisie</translation>
    </message>
    <message>
        <source>No percent key: multiply by 1.15 for 15%</source>
        <translation>Pas de touche pourcentage&#xa0;: multipliez par 1,15 pour 15&#xa0;%</translation>
    </message>
    <message>
        <source>No key for that letter</source>
        <translation>Aucune touche pour cette lettre</translation>
    </message>
    <message>
        <source>Numora is already running but does not answer.</source>
        <translation>Numora est déjà lancé mais ne répond pas.</translation>
    </message>
    <message>
        <source>Numora is already running; its window was brought forward.</source>
        <translation>Numora est déjà lancé&#xa0;; sa fenêtre a été mise au premier plan.</translation>
    </message>
    <message>
        <source>Numora is already running; its window could not be brought forward.</source>
        <translation>Numora est déjà lancé&#xa0;; sa fenêtre n&apos;a pas pu être mise au premier plan.</translation>
    </message>
    <message>
        <source>The running window keeps the data folder %1; %2 is not used.</source>
        <translation>La fenêtre ouverte garde le dossier de données %1&#xa0;; %2 n&apos;est pas utilisé.</translation>
    </message>
</context>
</TS>
