<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Constants</name>
    <message>
        <source>Constant No. %1</source>
        <translation>Konstante Nr. %1</translation>
    </message>
    <message>
        <source>degree (angle)</source>
        <translation>Grad (Winkel)</translation>
    </message>
    <message>
        <source>minute (angle)</source>
        <translation>Minute (Winkel)</translation>
    </message>
    <message>
        <source>second (angle)</source>
        <translation>Sekunde (Winkel)</translation>
    </message>
    <message>
        <source>astronomical unit</source>
        <translation>astronomische Einheit</translation>
    </message>
    <message>
        <source>accelaration of fall</source>
        <translation>Fallbeschleunigung</translation>
    </message>
    <message>
        <source>grade</source>
        <translation>Neugrad (Gon)</translation>
    </message>
    <message>
        <source>knot</source>
        <translation>Knoten</translation>
    </message>
    <message>
        <source>light year</source>
        <translation>Lichtjahr</translation>
    </message>
    <message>
        <source>nautical mile</source>
        <translation>Seemeile</translation>
    </message>
    <message>
        <source>parsec</source>
        <translation>Parsec</translation>
    </message>
    <message>
        <source>tropical year</source>
        <translation>tropisches Jahr</translation>
    </message>
    <message>
        <source>acre</source>
        <translation>Acre</translation>
    </message>
    <message>
        <source>US barrel for petroleum</source>
        <translation>US-Barrel für Erdöl</translation>
    </message>
    <message>
        <source>dry barrel</source>
        <translation>Barrel (Trockenmaß)</translation>
    </message>
    <message>
        <source>bushel</source>
        <translation>Bushel</translation>
    </message>
    <message>
        <source>chain (surveyors)</source>
        <translation>Chain (Landvermessung)</translation>
    </message>
    <message>
        <source>US in</source>
        <translation>US-Cup (Tasse)</translation>
    </message>
    <message>
        <source>dry pint</source>
        <translation>Pint (Trockenmaß)</translation>
    </message>
    <message>
        <source>fathom (surveyors)</source>
        <translation>Faden (Landvermessung)</translation>
    </message>
    <message>
        <source>board foot</source>
        <translation>Brettfuß (Board-Foot)</translation>
    </message>
    <message>
        <source>fluid ounce</source>
        <translation>Flüssigunze</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>foot (surveyors=US)</source>
        <translation>Fuß (Landvermessung, US)</translation>
    </message>
    <message>
        <source>gallon (United Kingdom)</source>
        <translation>Gallone (Vereinigtes Königreich)</translation>
    </message>
    <message>
        <source>gallon (United States)</source>
        <translation>Gallone (Vereinigte Staaten)</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>mil</source>
        <translation>Mil (Tausendstel Zoll)</translation>
    </message>
    <message>
        <source>mile (International)</source>
        <translation>Meile (international)</translation>
    </message>
    <message>
        <source>US statute mile</source>
        <translation>gesetzliche US-Meile</translation>
    </message>
    <message>
        <source>miles per hour</source>
        <translation>Meilen pro Stunde</translation>
    </message>
    <message>
        <source>peck</source>
        <translation>Peck</translation>
    </message>
    <message>
        <source>pint</source>
        <translation>Pint</translation>
    </message>
    <message>
        <source>liquid pint</source>
        <translation>Pint (Flüssigmaß)</translation>
    </message>
    <message>
        <source>tablespoon</source>
        <translation>Esslöffel</translation>
    </message>
    <message>
        <source>teaspoon</source>
        <translation>Teelöffel</translation>
    </message>
    <message>
        <source>yard</source>
        <translation>Yard</translation>
    </message>
    <message>
        <source>US yard</source>
        <translation>US-Yard</translation>
    </message>
    <message>
        <source>technical atmosphere</source>
        <translation>technische Atmosphäre</translation>
    </message>
    <message>
        <source>standard atmosphere</source>
        <translation>physikalische Atmosphäre</translation>
    </message>
    <message>
        <source>metric carat</source>
        <translation>metrisches Karat</translation>
    </message>
    <message>
        <source>denier</source>
        <translation>Denier</translation>
    </message>
    <message>
        <source>gravitational constant</source>
        <translation>Gravitationskonstante</translation>
    </message>
    <message>
        <source>kilogram-force</source>
        <translation>Kilopond (Kilogramm-Kraft)</translation>
    </message>
    <message>
        <source>meter of water</source>
        <translation>Meter Wassersäule</translation>
    </message>
    <message>
        <source>mm of mercury</source>
        <translation>Millimeter Quecksilbersäule</translation>
    </message>
    <message>
        <source>metric horsepower</source>
        <translation>metrische Pferdestärke</translation>
    </message>
    <message>
        <source>torr</source>
        <translation>Torr</translation>
    </message>
    <message>
        <source>hundred-weight</source>
        <translation>Hundredweight</translation>
    </message>
    <message>
        <source>foot pound of force</source>
        <translation>Fuß-Pfund-Kraft</translation>
    </message>
    <message>
        <source>foot of water</source>
        <translation>Fuß Wassersäule</translation>
    </message>
    <message>
        <source>grain</source>
        <translation>Grain</translation>
    </message>
    <message>
        <source>horsepower</source>
        <translation>britische Pferdestärke</translation>
    </message>
    <message>
        <source>inch of water</source>
        <translation>Zoll Wassersäule</translation>
    </message>
    <message>
        <source>inch of mercury</source>
        <translation>Zoll Quecksilbersäule</translation>
    </message>
    <message>
        <source>pound</source>
        <translation>Pfund</translation>
    </message>
    <message>
        <source>pound-force</source>
        <translation>Pfund-Kraft</translation>
    </message>
    <message>
        <source>troy pound</source>
        <translation>Troy-Pfund</translation>
    </message>
    <message>
        <source>ounce</source>
        <translation>Unze</translation>
    </message>
    <message>
        <source>troy ounce</source>
        <translation>Feinunze (Troy-Unze)</translation>
    </message>
    <message>
        <source>poundal</source>
        <translation>Poundal</translation>
    </message>
    <message>
        <source>pounds per square inch</source>
        <translation>Pfund pro Quadratzoll</translation>
    </message>
    <message>
        <source>slug</source>
        <translation>Slug</translation>
    </message>
    <message>
        <source>long ton</source>
        <translation>britische Tonne (Long Ton)</translation>
    </message>
    <message>
        <source>short ton</source>
        <translation>amerikanische Tonne (Short Ton)</translation>
    </message>
    <message>
        <source>zero Celcius</source>
        <translation>null Grad Celsius</translation>
    </message>
    <message>
        <source>15 degree calorie</source>
        <translation>15-Grad-Kalorie</translation>
    </message>
    <message>
        <source>I.T. thermo-calorie</source>
        <translation>internationale Tafelkalorie</translation>
    </message>
    <message>
        <source>chemical calorie</source>
        <translation>thermochemische Kalorie</translation>
    </message>
    <message>
        <source>degree Fahrenheit</source>
        <translation>Grad Fahrenheit</translation>
    </message>
    <message>
        <source>Zero Fahrenheit</source>
        <translation>null Grad Fahrenheit</translation>
    </message>
    <message>
        <source>British thermal unit</source>
        <translation>British Thermal Unit</translation>
    </message>
    <message>
        <source>specific heat capacity</source>
        <translation>spezifische Wärmekapazität</translation>
    </message>
    <message>
        <source>Btu per hour</source>
        <translation>Btu pro Stunde</translation>
    </message>
    <message>
        <source>specific internal energy</source>
        <translation>spezifische innere Energie</translation>
    </message>
    <message>
        <source>therm</source>
        <translation>Therm</translation>
    </message>
    <message>
        <source>permittivity of vacuum</source>
        <translation>elektrische Feldkonstante</translation>
    </message>
    <message>
        <source>permeability of vacuum</source>
        <translation>magnetische Feldkonstante</translation>
    </message>
    <message>
        <source>G. electric capacitance</source>
        <translation>elektr. Kapazität (Gauß-System)</translation>
    </message>
    <message>
        <source>G. electric flux density</source>
        <translation>elektr. Flussdichte (Gauß-System)</translation>
    </message>
    <message>
        <source>G. electric field strength</source>
        <translation>elektr. Feldstärke (Gauß-System)</translation>
    </message>
    <message>
        <source>G. electric current Hs, G.</source>
        <translation>elektr. Stromstärke (Gauß-System)</translation>
    </message>
    <message>
        <source>magnetic field strength</source>
        <translation>magnetische Feldstärke</translation>
    </message>
    <message>
        <source>G. electric polarization</source>
        <translation>elektr. Polarisation (Gauß-System)</translation>
    </message>
    <message>
        <source>G. electric charge</source>
        <translation>elektr. Ladung (Gauß-System)</translation>
    </message>
    <message>
        <source>G. electric potential</source>
        <translation>elektr. Potential (Gauß-System)</translation>
    </message>
    <message>
        <source>Stefan- Boltzmann constant</source>
        <translation>Stefan-Boltzmann-Konstante</translation>
    </message>
    <message>
        <source>speed of light</source>
        <translation>Lichtgeschwindigkeit</translation>
    </message>
    <message>
        <source>first radiation constant</source>
        <translation>erste Strahlungskonstante</translation>
    </message>
    <message>
        <source>second radiation constant</source>
        <translation>zweite Strahlungskonstante</translation>
    </message>
    <message>
        <source>lambert</source>
        <translation>Lambert</translation>
    </message>
    <message>
        <source>footlambert</source>
        <translation>Footlambert</translation>
    </message>
    <message>
        <source>decibel, level difference</source>
        <translation>Dezibel, Pegeldifferenz</translation>
    </message>
    <message>
        <source>neper, level difference</source>
        <translation>Neper, Pegeldifferenz</translation>
    </message>
    <message>
        <source>elementary charge</source>
        <translation>Elementarladung</translation>
    </message>
    <message>
        <source>Faraday constant</source>
        <translation>Faraday-Konstante</translation>
    </message>
    <message>
        <source>Boltzmann constant</source>
        <translation>Boltzmann-Konstante</translation>
    </message>
    <message>
        <source>Avogadro constant</source>
        <translation>Avogadro-Konstante</translation>
    </message>
    <message>
        <source>molar gas constant</source>
        <translation>molare Gaskonstante</translation>
    </message>
    <message>
        <source>molar volume G. electric</source>
        <translation>molares Volumen des idealen Gases</translation>
    </message>
    <message>
        <source>polarization of molecule æ G. electric</source>
        <translation>Polarisierbarkeit (Gauß-System)</translation>
    </message>
    <message>
        <source>dipole of fine-molecule</source>
        <translation>Dipolmoment eines Moleküls</translation>
    </message>
    <message>
        <source>structure constant</source>
        <translation>Feinstrukturkonstante</translation>
    </message>
    <message>
        <source>gyro-magnetic coeff.p</source>
        <translation>gyromagn. Verhältnis des Protons</translation>
    </message>
    <message>
        <source>g-m. coeff p in water</source>
        <translation>gyromagn. Verh. Proton in Wasser</translation>
    </message>
    <message>
        <source>Compton wavelength n</source>
        <translation>Compton-Wellenlänge des Neutrons</translation>
    </message>
    <message>
        <source>Compton wavelength p</source>
        <translation>Compton-Wellenlänge des Protons</translation>
    </message>
    <message>
        <source>Bohr magneton</source>
        <translation>bohrsches Magneton</translation>
    </message>
    <message>
        <source>m. moment of electron</source>
        <translation>magnetisches Moment des Elektrons</translation>
    </message>
    <message>
        <source>nuclear magneton</source>
        <translation>Kernmagneton</translation>
    </message>
    <message>
        <source>m. moment of proton</source>
        <translation>magnetisches Moment des Protons</translation>
    </message>
    <message>
        <source>Bohr radius</source>
        <translation>bohrscher Radius</translation>
    </message>
    <message>
        <source>Hartree energy</source>
        <translation>Hartree-Energie</translation>
    </message>
    <message>
        <source>electronvolt</source>
        <translation>Elektronenvolt</translation>
    </message>
    <message>
        <source>Plank constant</source>
        <translation>plancksches Wirkungsquantum</translation>
    </message>
    <message>
        <source>h/2pi</source>
        <translation>reduziertes Wirkungsquantum</translation>
    </message>
    <message>
        <source>mass of hydrogen atom</source>
        <translation>Masse des Wasserstoffatoms</translation>
    </message>
    <message>
        <source>rest mass of electron</source>
        <translation>Ruhemasse des Elektrons</translation>
    </message>
    <message>
        <source>rest mass of neutron</source>
        <translation>Ruhemasse des Neutrons</translation>
    </message>
    <message>
        <source>rest mass of proton</source>
        <translation>Ruhemasse des Protons</translation>
    </message>
    <message>
        <source>Rydberg constant</source>
        <translation>Rydberg-Konstante</translation>
    </message>
    <message>
        <source>Electron radius</source>
        <translation>klassischer Elektronenradius</translation>
    </message>
    <message>
        <source>Atomic mass unit</source>
        <translation>atomare Masseneinheit</translation>
    </message>
    <message>
        <source>curie</source>
        <translation>Curie</translation>
    </message>
    <message>
        <source>roentgen</source>
        <translation>Röntgen</translation>
    </message>
    <message>
        <source>fluxoid quantum</source>
        <translation>magnetisches Flussquantum</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Divide by Zero</source>
        <translation>Division durch Null</translation>
    </message>
    <message>
        <source>Infinity</source>
        <translation>Unendlich</translation>
    </message>
    <message>
        <source>Invalid Power</source>
        <translation>Ungültige Potenz</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Nicht definiert</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Bereichsfehler</translation>
    </message>
    <message>
        <source>Empty Data</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Warning:</source>
        <translation>Warnung:</translation>
    </message>
    <message>
        <source>Error No. %1:  %2</source>
        <translation>Fehler Nr. %1:  %2</translation>
    </message>
    <message>
        <source>it stays as it is and will not be saved over until Numora is started again</source>
        <translation>sie bleibt unverändert und wird bis zum nächsten Start von Numora nicht überschrieben</translation>
    </message>
    <message>
        <source>Path/File access error: cannot save %1: %2; the file was left as it was</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: Die Datei %1 konnte nicht gespeichert werden (%2); die vorhandene Datei blieb unverändert</translation>
    </message>
    <message>
        <source>the file was kept as %1</source>
        <translation>die Datei wurde als %1 aufbewahrt</translation>
    </message>
    <message>
        <source>it could not be set aside (%1), so %2</source>
        <translation>die Datei konnte nicht beiseitegelegt werden (%1); %2</translation>
    </message>
    <message>
        <source>Path/File access error: cannot read %1 (%2); %3</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: Die Datei %1 kann nicht gelesen werden (%2); %3</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Overview</source>
        <translation>Überblick</translation>
    </message>
    <message>
        <source>Numora was written to have a capable scientific calculator at hand while working in a spreadsheet, so that a quick calculation never means leaving the figures you are looking at.</source>
        <translation>Numora wurde geschrieben, damit bei der Arbeit in einer Tabellenkalkulation ein leistungsfähiger wissenschaftlicher Rechner zur Hand ist und Sie für eine schnelle Rechnung nie die Zahlen aus dem Blick verlieren, die Sie gerade vor sich haben.</translation>
    </message>
    <message>
        <source>It is not meant to replace the calculator that comes with your system. It is shared as a tool, in the hope that it serves you as well as it has served us.</source>
        <translation>Numora soll den Rechner, der mit Ihrem System geliefert wird, nicht ersetzen. Wir geben das Programm als Werkzeug weiter, in der Hoffnung, dass es Ihnen ebenso gute Dienste leistet wie uns.</translation>
    </message>
    <message>
        <source>Every key works with the mouse and with the keyboard, and with Read Out Loud switched on the calculator names each key and reads every result aloud.</source>
        <translation>Jede Taste lässt sich mit der Maus und mit der Tastatur bedienen. Ist „Vorlesen“ eingeschaltet, nennt der Rechner jede Taste und liest jedes Ergebnis laut vor.</translation>
    </message>
    <message>
        <source>Tab and Shift+Tab move among the keys, the keypad and the pages, Space presses the key in focus, and Ctrl+Tab turns the page. While a screen reader is running it announces the display, so Read Out Loud leaves the results to it and only names the keys.</source>
        <translation>Mit Tab und Shift+Tab wechseln Sie zwischen den Tasten, dem Tastenfeld und den Seiten, die Leertaste drückt die Taste, die den Fokus hat, und Ctrl+Tab blättert zur nächsten Seite. Läuft ein Screenreader, sagt dieser die Anzeige an; „Vorlesen“ überlässt ihm dann die Ergebnisse und nennt nur die Tasten.</translation>
    </message>
    <message>
        <source>Questions and suggestions are welcome. Please send them to the contact below.</source>
        <translation>Fragen und Anregungen sind willkommen. Bitte wenden Sie sich damit an uns; die Kontaktdaten finden Sie unten.</translation>
    </message>
    <message>
        <source>The Numora developers</source>
        <translation>Die Numora-Entwickler</translation>
    </message>
    <message>
        <source>Telephone: 555-0100</source>
        <translation>Telefon: 555-0100</translation>
    </message>
    <message>
        <source>Mobile: 555-0199</source>
        <translation>Mobil: 555-0199</translation>
    </message>
    <message>
        <source>Calculator Capabilities</source>
        <translation>Funktionsumfang des Rechners</translation>
    </message>
    <message>
        <source>A.) Performs the following  mathematical operations in accordance with the following calculation priority sequence:</source>
        <translation>A.) Führt die folgenden mathematischen Operationen in dieser Rangfolge aus:</translation>
    </message>
    <message>
        <source>    1.) functions</source>
        <translation>    1.) Funktionen</translation>
    </message>
    <message>
        <source>    2.) polar to rectangular,</source>
        <translation>    2.) polar in kartesisch,</translation>
    </message>
    <message>
        <source>        rectangular to polar</source>
        <translation>        kartesisch in polar</translation>
    </message>
    <message>
        <source>    3.) exponential</source>
        <translation>    3.) Potenzierung</translation>
    </message>
    <message>
        <source>    4.) multiplication</source>
        <translation>    4.) Multiplikation</translation>
    </message>
    <message>
        <source>    5.) division</source>
        <translation>    5.) Division</translation>
    </message>
    <message>
        <source>    6.) addition</source>
        <translation>    6.) Addition</translation>
    </message>
    <message>
        <source>    7.) subtraction</source>
        <translation>    7.) Subtraktion</translation>
    </message>
    <message>
        <source>B.) Performs the following scientific functions:</source>
        <translation>B.) Berechnet die folgenden wissenschaftlichen Funktionen:</translation>
    </message>
    <message>
        <source>    1.) Trigonometric:</source>
        <translation>    1.) Trigonometrische Funktionen:</translation>
    </message>
    <message>
        <source>        a.) Sine</source>
        <translation>        a.) Sinus</translation>
    </message>
    <message>
        <source>        b.) Cosine</source>
        <translation>        b.) Kosinus</translation>
    </message>
    <message>
        <source>        c.) Tangent</source>
        <translation>        c.) Tangens</translation>
    </message>
    <message>
        <source>    2.) Inverse-trigonometric:</source>
        <translation>    2.) Arkusfunktionen:</translation>
    </message>
    <message>
        <source>        a.) Arc-Sine</source>
        <translation>        a.) Arkussinus</translation>
    </message>
    <message>
        <source>        b.) Arc-Cosine</source>
        <translation>        b.) Arkuskosinus</translation>
    </message>
    <message>
        <source>        c.) Arc-Tangent</source>
        <translation>        c.) Arkustangens</translation>
    </message>
    <message>
        <source>    3.) Hyperbolic:</source>
        <translation>    3.) Hyperbelfunktionen:</translation>
    </message>
    <message>
        <source>        a.) Hyperbolic Sine</source>
        <translation>        a.) Sinus hyperbolicus</translation>
    </message>
    <message>
        <source>        b.) Hyperbolic Cosine</source>
        <translation>        b.) Kosinus hyperbolicus</translation>
    </message>
    <message>
        <source>        c.) Hyperbolic Tangent</source>
        <translation>        c.) Tangens hyperbolicus</translation>
    </message>
    <message>
        <source>    4.) Inverse Hyperbolic:</source>
        <translation>    4.) Areafunktionen:</translation>
    </message>
    <message>
        <source>        a.) Inverse Hyperbolic Sine</source>
        <translation>        a.) Areasinus hyperbolicus</translation>
    </message>
    <message>
        <source>        b.) Inverse Hyperbolic Cosine</source>
        <translation>        b.) Areakosinus hyperbolicus</translation>
    </message>
    <message>
        <source>        c.) Inverse Hyperbolic Tangent</source>
        <translation>        c.) Areatangens hyperbolicus</translation>
    </message>
    <message>
        <source>Mode Settings</source>
        <translation>Moduseinstellungen</translation>
    </message>
    <message>
        <source>Picking the &apos;mode&apos; tab specify desired calculation modes. </source>
        <translation>Auf der Seite „Modi“ legen Sie die gewünschten Rechenmodi fest. </translation>
    </message>
    <message>
        <source>Available calculation modes to set are the following:</source>
        <translation>Folgende Rechenmodi können Sie einstellen:</translation>
    </message>
    <message>
        <source>1.) Display Modes</source>
        <translation>1.) Anzeigemodi</translation>
    </message>
    <message>
        <source>2.) Angle Specification Modes</source>
        <translation>2.) Winkelmodi</translation>
    </message>
    <message>
        <source>Display Modes</source>
        <translation>Anzeigemodi</translation>
    </message>
    <message>
        <source>a.) Scientific display mode:</source>
        <translation>a.) Modus „Wissenschaftlich“:</translation>
    </message>
    <message>
        <source>Use this mode to force the calculator to display the result of calculation in exponential form. You may specify Display Precision Number via a droplist provided for.</source>
        <translation>In diesem Modus zeigt der Rechner Ergebnisse stets in Exponentialdarstellung an. Die Anzeigegenauigkeit können Sie in der dafür vorgesehenen Liste festlegen.</translation>
    </message>
    <message>
        <source>b.) Fix mode:</source>
        <translation>b.) Modus „Festkomma“:</translation>
    </message>
    <message>
        <source>Use this mode to force the calculator to display the result of calculation in ordinary decimal form. You may specify Display Precision Number via a droplist provided for.</source>
        <translation>In diesem Modus zeigt der Rechner Ergebnisse stets als gewöhnliche Dezimalzahl an. Die Anzeigegenauigkeit können Sie in der dafür vorgesehenen Liste festlegen.</translation>
    </message>
    <message>
        <source>Result of calculations are normally displayed with a maximum of 15 significant digits. However, exponential display is automatically performed for any number less than 0.0001(10^-4) or from 1000 trillion (10^15) up.</source>
        <translation>Ergebnisse werden normalerweise mit höchstens 15 signifikanten Stellen angezeigt. Zahlen kleiner als 0,0001 (10^-4) oder ab 1000 Billionen (10^15) werden jedoch automatisch in Exponentialdarstellung angezeigt.</translation>
    </message>
    <message>
        <source>c.) Normal mode:</source>
        <translation>c.) Modus „Normal“:</translation>
    </message>
    <message>
        <source>Use this mode to clear display mode previously set. Picking the Normal mode key restores calculator&apos;s normal display with a maximum of fifteen significant digits for mantissa and two digits for exponent.</source>
        <translation>In diesem Modus heben Sie einen zuvor gewählten Anzeigemodus auf. Die Option „Normal“ stellt die normale Anzeige des Rechners wieder her: höchstens fünfzehn signifikante Stellen für die Mantisse und zwei Stellen für den Exponenten.</translation>
    </message>
    <message>
        <source>Angle Specification Modes</source>
        <translation>Winkelmodi</translation>
    </message>
    <message>
        <source>a.) DEGREE mode:</source>
        <translation>a.) Modus „Grad“:</translation>
    </message>
    <message>
        <source>Use this mode to specify the unit of angular measurement as degrees.</source>
        <translation>In diesem Modus legen Sie Grad als Winkeleinheit fest.</translation>
    </message>
    <message>
        <source>b.) RADIAN mode:</source>
        <translation>b.) Modus „Bogenmaß“:</translation>
    </message>
    <message>
        <source>Use this mode to specify the unit of angular measurement as radians.</source>
        <translation>In diesem Modus legen Sie das Bogenmaß (Radiant) als Winkeleinheit fest.</translation>
    </message>
    <message>
        <source>c.) GRADIAN mode:</source>
        <translation>c.) Modus „Neugrad“:</translation>
    </message>
    <message>
        <source>Use this mode to specify the unit of angular measurement as gradians. </source>
        <translation>In diesem Modus legen Sie Neugrad (Gon) als Winkeleinheit fest. </translation>
    </message>
    <message>
        <source>Numeric keys</source>
        <translation>Zifferntasten</translation>
    </message>
    <message>
        <source>Pick any of the numeric keys to enter a value. Press &apos;.&apos; to enter a decimal point.</source>
        <translation>Geben Sie einen Wert mit den Zifferntasten ein. Drücken Sie &apos;.&apos;, um das Dezimaltrennzeichen einzugeben.</translation>
    </message>
    <message>
        <source>Values are entered from left to right. You cannot enter a value that is more than 15 digits long. Any numeric key pressed after the 15th digit is ignored.</source>
        <translation>Werte werden von links nach rechts eingegeben. Ein Wert kann höchstens 15 Stellen lang sein. Nach der 15. Stelle werden weitere Zifferntasten ignoriert.</translation>
    </message>
    <message>
        <source>Arithmetic Operation keys</source>
        <translation>Rechentasten</translation>
    </message>
    <message>
        <source>Pick these keys in the same order as they appear in the formula to perform arithmetic operations. Press &apos;=&apos; to display the final result.</source>
        <translation>Drücken Sie diese Tasten in derselben Reihenfolge, in der die Rechenoperationen in der Formel stehen. Drücken Sie &apos;=&apos;, um das Endergebnis anzuzeigen.</translation>
    </message>
    <message>
        <source>Below are the available arithmetic keys with their corresponding descriptions:</source>
        <translation>Es folgen die verfügbaren Rechentasten mit ihrer Beschreibung:</translation>
    </message>
    <message>
        <source>a.) &apos;x^y&apos;    - Power key:</source>
        <translation>a.) &apos;x^y&apos;    - Potenztaste:</translation>
    </message>
    <message>
        <source>Press this key to raise x to the y power.</source>
        <translation>Mit dieser Taste berechnen Sie x hoch y.</translation>
    </message>
    <message>
        <source>b.) &apos;root&apos;   - Power root key:</source>
        <translation>b.) &apos;root&apos;   - Wurzeltaste:</translation>
    </message>
    <message>
        <source>Press this key to raise x to the 1/y power.</source>
        <translation>Mit dieser Taste berechnen Sie x hoch 1/y.</translation>
    </message>
    <message>
        <source>c.) &apos;x&apos;      - Multiplication key:</source>
        <translation>c.) &apos;x&apos;      - Multiplikationstaste:</translation>
    </message>
    <message>
        <source>Press this key to perform multiplication.</source>
        <translation>Mit dieser Taste multiplizieren Sie.</translation>
    </message>
    <message>
        <source>d.) &apos;/&apos;      - Division key:</source>
        <translation>d.) &apos;/&apos;      - Divisionstaste:</translation>
    </message>
    <message>
        <source>Press this key to perform division.</source>
        <translation>Mit dieser Taste dividieren Sie.</translation>
    </message>
    <message>
        <source>e.) &apos;+&apos;      - Addition key:</source>
        <translation>e.) &apos;+&apos;      - Additionstaste:</translation>
    </message>
    <message>
        <source>Press this key to perform addition.</source>
        <translation>Mit dieser Taste addieren Sie.</translation>
    </message>
    <message>
        <source>f.) &apos;-&apos;      - Subtraction key:</source>
        <translation>f.) &apos;-&apos;      - Subtraktionstaste:</translation>
    </message>
    <message>
        <source>Press this key to perform subtraction.</source>
        <translation>Mit dieser Taste subtrahieren Sie.</translation>
    </message>
    <message>
        <source> TO THE POWER </source>
        <translation> HOCH </translation>
    </message>
    <message>
        <source>SLASH</source>
        <translation>SCHRÄGSTRICH</translation>
    </message>
    <message>
        <source> OVER </source>
        <translation> DURCH </translation>
    </message>
    <message>
        <source> PERIOD </source>
        <translation> PUNKT </translation>
    </message>
    <message>
        <source> EQUAL </source>
        <translation> GLEICH </translation>
    </message>
    <message>
        <source> DASH </source>
        <translation> STRICH </translation>
    </message>
    <message>
        <source>About the Author</source>
        <translation>Über den Autor</translation>
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
        <translation>mal 10 hoch</translation>
    </message>
    <message>
        <source>negative</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>register in</source>
        <translation>ins Register</translation>
    </message>
    <message>
        <source>register out</source>
        <translation>aus dem Register</translation>
    </message>
    <message>
        <source>angle input</source>
        <translation>Winkeleingabe</translation>
    </message>
    <message>
        <source>angular display</source>
        <translation>Winkelanzeige</translation>
    </message>
    <message>
        <source>fraction input</source>
        <translation>Brucheingabe</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>Vorzeichen wechseln</translation>
    </message>
    <message>
        <source>back</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>Zufallszahl</translation>
    </message>
    <message>
        <source>clear registers</source>
        <translation>Register löschen</translation>
    </message>
    <message>
        <source>rectangular to polar</source>
        <translation>kartesisch in polar</translation>
    </message>
    <message>
        <source>polar to rectangular</source>
        <translation>polar in kartesisch</translation>
    </message>
    <message>
        <source>constant</source>
        <translation>Konstante</translation>
    </message>
    <message>
        <source>swap with register</source>
        <translation>mit dem Register tauschen</translation>
    </message>
    <message>
        <source>swap x and y</source>
        <translation>x und y tauschen</translation>
    </message>
    <message>
        <source>fraction convert</source>
        <translation>Bruch umwandeln</translation>
    </message>
    <message>
        <source>engineering shift right</source>
        <translation>technische Notation nach rechts</translation>
    </message>
    <message>
        <source>engineering shift left</source>
        <translation>technische Notation nach links</translation>
    </message>
    <message>
        <source>memory plus</source>
        <translation>Speicher plus</translation>
    </message>
    <message>
        <source>memory minus</source>
        <translation>Speicher minus</translation>
    </message>
    <message>
        <source>sum of squares</source>
        <translation>Quadratsumme</translation>
    </message>
    <message>
        <source>square of sum</source>
        <translation>Quadrat der Summe</translation>
    </message>
    <message>
        <source>sum of data</source>
        <translation>Datensumme</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>sample standard deviation</source>
        <translation>Standardabweichung der Stichprobe</translation>
    </message>
    <message>
        <source>population standard deviation</source>
        <translation>Standardabweichung der Grundgesamtheit</translation>
    </message>
    <message>
        <source>data count</source>
        <translation>Anzahl der Daten</translation>
    </message>
    <message>
        <source>delete data</source>
        <translation>Datenwert löschen</translation>
    </message>
    <message>
        <source>add data</source>
        <translation>Datenwert hinzufügen</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Eingabe löschen</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>alles löschen</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>point</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>pending</source>
        <translation>ausstehender Operator</translation>
    </message>
    <message>
        <source>last operator</source>
        <translation>letzter Operator</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Kehrwert</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>Kehrwert</translation>
    </message>
    <message>
        <source>Memory In</source>
        <translation>In den Speicher übernehmen</translation>
    </message>
    <message>
        <source>Memory Recall</source>
        <translation>Speicher abrufen</translation>
    </message>
    <message>
        <source>Root Extractor</source>
        <translation>Wurzel ziehen</translation>
    </message>
    <message>
        <source>root</source>
        <translation>Wurzel</translation>
    </message>
    <message>
        <source>Raise to the Power</source>
        <translation>Potenzieren</translation>
    </message>
    <message>
        <source>to the power</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>Square Root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>squared</source>
        <translation>zum Quadrat</translation>
    </message>
    <message>
        <source>Inverse Tangent</source>
        <translation>Arkustangens</translation>
    </message>
    <message>
        <source>inverse tangent</source>
        <translation>Arkustangens</translation>
    </message>
    <message>
        <source>Inverse Sine</source>
        <translation>Arkussinus</translation>
    </message>
    <message>
        <source>inverse sine</source>
        <translation>Arkussinus</translation>
    </message>
    <message>
        <source>Inverse Cosine</source>
        <translation>Arkuskosinus</translation>
    </message>
    <message>
        <source>inverse cosine</source>
        <translation>Arkuskosinus</translation>
    </message>
    <message>
        <source>Angle Input</source>
        <translation>Winkeleingabe</translation>
    </message>
    <message>
        <source>Angular Display</source>
        <translation>Winkelanzeige</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangens</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>Tangens</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Kosinus</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>Kosinus</translation>
    </message>
    <message>
        <source>Fraction Input</source>
        <translation>Brucheingabe</translation>
    </message>
    <message>
        <source>Toogle Number Sign</source>
        <translation>Vorzeichen wechseln</translation>
    </message>
    <message>
        <source>Erase Input</source>
        <translation>Letzte Stelle löschen</translation>
    </message>
    <message>
        <source>memory in</source>
        <translation>in den Speicher</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>Speicher abrufen</translation>
    </message>
    <message>
        <source>Display CLock</source>
        <translation>Uhrzeit anzeigen</translation>
    </message>
    <message>
        <source>Logarithm</source>
        <translation>Logarithmus</translation>
    </message>
    <message>
        <source>log</source>
        <translation>Logarithmus</translation>
    </message>
    <message>
        <source>Natural Logarithm</source>
        <translation>Natürlicher Logarithmus</translation>
    </message>
    <message>
        <source>ln</source>
        <translation>natürlicher Logarithmus</translation>
    </message>
    <message>
        <source>Random number generator</source>
        <translation>Zufallszahlengenerator</translation>
    </message>
    <message>
        <source>Memory Delete</source>
        <translation>Speicher löschen</translation>
    </message>
    <message>
        <source>Cube Root</source>
        <translation>Kubikwurzel</translation>
    </message>
    <message>
        <source>cube root</source>
        <translation>Kubikwurzel</translation>
    </message>
    <message>
        <source>Anti-Logarithm </source>
        <translation>Antilogarithmus </translation>
    </message>
    <message>
        <source>anti log</source>
        <translation>Antilogarithmus</translation>
    </message>
    <message>
        <source>Anti-Natural Logarithm</source>
        <translation>Natürlicher Antilogarithmus</translation>
    </message>
    <message>
        <source>anti ln</source>
        <translation>natürlicher Antilogarithmus</translation>
    </message>
    <message>
        <source>Rectangular to Polar</source>
        <translation>Kartesisch in polar</translation>
    </message>
    <message>
        <source>Polar to Rectangular</source>
        <translation>Polar in kartesisch</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Dritte Potenz</translation>
    </message>
    <message>
        <source>cube</source>
        <translation>hoch drei</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Fakultät</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>Fakultät</translation>
    </message>
    <message>
        <source>Scientific Constant</source>
        <translation>Naturkonstante</translation>
    </message>
    <message>
        <source>Memory Swap</source>
        <translation>Mit dem Speicher tauschen</translation>
    </message>
    <message>
        <source>Input Swap</source>
        <translation>Eingaben tauschen</translation>
    </message>
    <message>
        <source>Fraction Converter</source>
        <translation>Bruch umwandeln</translation>
    </message>
    <message>
        <source>Memory Plus</source>
        <translation>Zum Speicher addieren</translation>
    </message>
    <message>
        <source>Memory Minus</source>
        <translation>Vom Speicher subtrahieren</translation>
    </message>
    <message>
        <source>Hyperbolic Tangent</source>
        <translation>Tangens hyperbolicus</translation>
    </message>
    <message>
        <source>hyperbolic tangent</source>
        <translation>Tangens hyperbolicus</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Tangent</source>
        <translation>Areatangens hyperbolicus</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>Areatangens hyperbolicus</translation>
    </message>
    <message>
        <source>Sum of square of data</source>
        <translation>Summe der Datenquadrate</translation>
    </message>
    <message>
        <source>Sum of data raise to the power 2</source>
        <translation>Quadrat der Datensumme</translation>
    </message>
    <message>
        <source>Sum of data</source>
        <translation>Datensumme</translation>
    </message>
    <message>
        <source>Hyperbolic Sine</source>
        <translation>Sinus hyperbolicus</translation>
    </message>
    <message>
        <source>hyperbolic sine</source>
        <translation>Sinus hyperbolicus</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Sine</source>
        <translation>Areasinus hyperbolicus</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>Areasinus hyperbolicus</translation>
    </message>
    <message>
        <source>Data mean</source>
        <translation>Mittelwert der Daten</translation>
    </message>
    <message>
        <source>Sample standard deviation</source>
        <translation>Standardabweichung der Stichprobe</translation>
    </message>
    <message>
        <source>Population standard deviation</source>
        <translation>Standardabweichung der Grundgesamtheit</translation>
    </message>
    <message>
        <source>Hyperbolic Cosine</source>
        <translation>Kosinus hyperbolicus</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>Kosinus hyperbolicus</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cosine</source>
        <translation>Areakosinus hyperbolicus</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>Areakosinus hyperbolicus</translation>
    </message>
    <message>
        <source>Data count</source>
        <translation>Anzahl der Daten</translation>
    </message>
    <message>
        <source>Delete data</source>
        <translation>Datenwert löschen</translation>
    </message>
    <message>
        <source>Add data</source>
        <translation>Datenwert hinzufügen</translation>
    </message>
    <message>
        <source>Numeral 7</source>
        <translation>Ziffer 7</translation>
    </message>
    <message>
        <source>Numeral 8</source>
        <translation>Ziffer 8</translation>
    </message>
    <message>
        <source>Numeral 9</source>
        <translation>Ziffer 9</translation>
    </message>
    <message>
        <source>Cancel Input</source>
        <translation>Eingabe löschen</translation>
    </message>
    <message>
        <source>Clear Calculation</source>
        <translation>Rechnung löschen</translation>
    </message>
    <message>
        <source>Numeral 4</source>
        <translation>Ziffer 4</translation>
    </message>
    <message>
        <source>Numeral 5</source>
        <translation>Ziffer 5</translation>
    </message>
    <message>
        <source>Numeral 6</source>
        <translation>Ziffer 6</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplizieren</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividieren</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
    <message>
        <source>Numeral One</source>
        <translation>Ziffer Eins</translation>
    </message>
    <message>
        <source>Numeral Two</source>
        <translation>Ziffer Zwei</translation>
    </message>
    <message>
        <source>Numeral 3</source>
        <translation>Ziffer 3</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>+</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>Numeral Zero</source>
        <translation>Ziffer Null</translation>
    </message>
    <message>
        <source>Decimal Point</source>
        <translation>Dezimaltrennzeichen</translation>
    </message>
    <message>
        <source>Exponent  [F8]</source>
        <translation>Exponent  [F8]</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>Exponent</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>Constant PI  [F9]</source>
        <translation>Konstante PI  [F9]</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>Pi</translation>
    </message>
</context>
<context>
    <name>Memory</name>
    <message>
        <source>Memory IN</source>
        <translation>Speicher EIN</translation>
    </message>
    <message>
        <source>Choose memory address to SAVE to.</source>
        <translation>Wählen Sie die Speicheradresse, unter der der Wert GESPEICHERT werden soll.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Memory RECALL</source>
        <translation>Speicher ABRUFEN</translation>
    </message>
    <message>
        <source>Choose memory address to RECALL value.</source>
        <translation>Wählen Sie die Speicheradresse, deren Wert ABGERUFEN werden soll.</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Abrufen</translation>
    </message>
    <message>
        <source>Memory SWAP</source>
        <translation>Speicher TAUSCHEN</translation>
    </message>
    <message>
        <source>Choose memory address to SWAP value.</source>
        <translation>Wählen Sie die Speicheradresse, deren Wert GETAUSCHT werden soll.</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Tauschen</translation>
    </message>
    <message>
        <source>Memory ADD</source>
        <translation>Speicher ADDIEREN</translation>
    </message>
    <message>
        <source>Choose memory address to ADD value to.</source>
        <translation>Wählen Sie die Speicheradresse, zu der der Wert ADDIERT werden soll.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Memory MINUS</source>
        <translation>Speicher MINUS</translation>
    </message>
    <message>
        <source>Choose memory address to SUBTRACT value from.</source>
        <translation>Wählen Sie die Speicheradresse, von der der Wert SUBTRAHIERT werden soll.</translation>
    </message>
    <message>
        <source>Memory DELETE</source>
        <translation>Speicher LÖSCHEN</translation>
    </message>
    <message>
        <source>Choose memory address to DELETE value.</source>
        <translation>Wählen Sie die Speicheradresse, deren Wert GELÖSCHT werden soll.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Specify Description</source>
        <translation>Beschreibung eingeben</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>No specified description</source>
        <translation>Keine Beschreibung angegeben</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Are you sure you want to delete Selected Data?</source>
        <translation>Möchten Sie die ausgewählten Daten wirklich löschen?</translation>
    </message>
    <message>
        <source>Do you wish to OVERWRITE %1 ?</source>
        <translation>Möchten Sie %1 ÜBERSCHREIBEN?</translation>
    </message>
</context>
<context>
    <name>Numora</name>
    <message>
        <source>F1 to F4 change pages   F8 EXP   F9 PI</source>
        <translation>Seiten: F1 bis F4   F8 EXP   F9 PI</translation>
    </message>
    <message>
        <source>1st Function</source>
        <translation>1. Funktion</translation>
    </message>
    <message>
        <source>2nd Function</source>
        <translation>2. Funktion</translation>
    </message>
    <message>
        <source>3rd Function</source>
        <translation>3. Funktion</translation>
    </message>
    <message>
        <source>Calc Mode</source>
        <translation>Modi</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Read Out Loud</source>
        <translation>Vorlesen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Copy Result to Clipboard</source>
        <translation>Ergebnis in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Paste to Display as Input</source>
        <translation>Als Eingabe in die Anzeige einfügen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Rechenstreifen</translation>
    </message>
    <message>
        <source>&amp;Modes</source>
        <translation>&amp;Modi</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>Anzeigemodus</translation>
    </message>
    <message>
        <source>Fixed Mode</source>
        <translation>Festkomma</translation>
    </message>
    <message>
        <source>Scientific Mode</source>
        <translation>Wissenschaftlich</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>&amp;Angular Mode</source>
        <translation>&amp;Winkelmodus</translation>
    </message>
    <message>
        <source>Degree Mode</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Radian Mode</source>
        <translation>Bogenmaß</translation>
    </message>
    <message>
        <source>Gradian Mode</source>
        <translation>Neugrad</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>About Calculator</source>
        <translation>Über den Rechner</translation>
    </message>
    <message>
        <source>Display Modes</source>
        <translation>Anzeigemodi</translation>
    </message>
    <message>
        <source>Angular Modes</source>
        <translation>Winkelmodi</translation>
    </message>
    <message>
        <source>Display Precision [for Fixed &amp;&amp; Scientific Modes]</source>
        <translation>Anzeigegenauigkeit [Festkomma &amp;&amp; Wissenschaftlich]</translation>
    </message>
    <message>
        <source>Hyperbolic Functions</source>
        <translation>Hyperbelfunktionen</translation>
    </message>
    <message>
        <source>Standard Deviation Functions</source>
        <translation>Standardabweichung</translation>
    </message>
    <message>
        <source>   Address</source>
        <translation>   Adresse</translation>
    </message>
    <message>
        <source>              Value</source>
        <translation>              Wert</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Auswahl auf&amp;heben</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Choose data to delete:</source>
        <translation>Wählen Sie die zu löschenden Daten aus:</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Scientific Constant</source>
        <translation>Naturkonstante</translation>
    </message>
    <message>
        <source> No.</source>
        <translation> Nr.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Value  </source>
        <translation>Wert  </translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>SPECIFY CONSTANT:</source>
        <translation>KONSTANTE AUSWÄHLEN:</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>Select a menu option to see a brief description.</source>
        <translation>Für eine Kurzbeschreibung wählen Sie einen Menüpunkt.</translation>
    </message>
    <message>
        <source>Calculator Help</source>
        <translation>Hilfe zum Rechner</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copyright © The Numora developers.
Free software under the MIT licence.</source>
        <translation>Copyright © Die Numora-Entwickler.
Freie Software unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. Reproduction or distribution of it, or of any part of it, against the terms of its licence is not permitted.</source>
        <translation>Warnung: Dieses Programm ist urheberrechtlich geschützt. Die Vervielfältigung oder Verbreitung des Programms oder eines Teils davon entgegen den Bedingungen seiner Lizenz ist nicht gestattet.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über den Rechner</translation>
    </message>
    <message>
        <source>Read-out: %1</source>
        <translation>Vorlesen: %1</translation>
    </message>
    <message>
        <source>not used yet</source>
        <translation>noch nicht genutzt</translation>
    </message>
    <message>
        <source>Please send your comments to:</source>
        <translation>Ihre Anmerkungen bitte an:</translation>
    </message>
    <message>
        <source>Error contacting %1 please try again later.</source>
        <translation>%1 konnte nicht erreicht werden. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Usage: numora [--dir DIR]
A scientific calculator. A second start brings the running copy&apos;s window forward.

  --dir DIR      read and save the memory registers and the data set in DIR
  -h, --help     show this text and exit
  -v, --version  show the version and exit

See numora(1).
</source>
        <translation>Aufruf: numora [--dir DIR]
Ein wissenschaftlicher Rechner. Ein zweiter Start holt das Fenster des bereits laufenden Programms in den Vordergrund.

  --dir DIR      Speicherregister und Datensatz in DIR lesen und speichern
  -h, --help     diesen Text anzeigen und beenden
  -v, --version  die Version anzeigen und beenden

Siehe numora(1).
</translation>
    </message>
    <message>
        <source>On this desktop a window cannot keep itself above others; the desktop&apos;s window menu can keep it there.</source>
        <translation>In dieser Arbeitsumgebung kann sich ein Fenster nicht selbst über anderen halten; das Fenstermenü der Arbeitsumgebung kann es dort halten.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>No brackets: Numora evaluates by priority as you key</source>
        <translation>Keine Klammern: Numora rechnet bei der Eingabe nach Vorrang</translation>
    </message>
    <message>
        <source>No percent key: multiply by 1.15 for 15%</source>
        <translation>Keine Prozenttaste: für 15&#xa0;% mit 1,15 multiplizieren</translation>
    </message>
    <message>
        <source>No key for that letter</source>
        <translation>Keine Taste für diesen Buchstaben</translation>
    </message>
    <message>
        <source>Numora is already running but does not answer.</source>
        <translation>Numora läuft bereits, antwortet aber nicht.</translation>
    </message>
    <message>
        <source>Numora is already running; its window was brought forward.</source>
        <translation>Numora läuft bereits; sein Fenster wurde in den Vordergrund geholt.</translation>
    </message>
    <message>
        <source>Numora is already running; its window could not be brought forward.</source>
        <translation>Numora läuft bereits; sein Fenster konnte nicht in den Vordergrund geholt werden.</translation>
    </message>
    <message>
        <source>The running window keeps the data folder %1; %2 is not used.</source>
        <translation>Das laufende Fenster behält den Datenordner %1; %2 wird nicht verwendet.</translation>
    </message>
</context>
</TS>
