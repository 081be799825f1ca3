<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Alias</name>
    <message>
        <source>Demodulation</source>
        <translation>Demodulation</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Display Settings</source>
        <translation>Anzeigeeinstellungen</translation>
    </message>
    <message>
        <source>Display Threshold</source>
        <translation>Anzeigeschwelle</translation>
    </message>
    <message>
        <source>Display Start Frequency</source>
        <translation>Anzeige-Startfrequenz</translation>
    </message>
    <message>
        <source>Display Stop Frequency</source>
        <translation>Anzeige-Stoppfrequenz</translation>
    </message>
    <message>
        <source>Display Start Level</source>
        <translation>Anzeige-Startpegel</translation>
    </message>
    <message>
        <source>Display Stop Level</source>
        <translation>Anzeige-Stopppegel</translation>
    </message>
    <message>
        <source>Display Elevation</source>
        <translation>Anzeige-Elevation</translation>
    </message>
    <message>
        <source>Attribute</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Gerätename</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>Gerätetyp</translation>
    </message>
    <message>
        <source>Device Address</source>
        <translation>Geräteadresse</translation>
    </message>
    <message>
        <source>Config Modify Time</source>
        <translation>Änderungszeit der Konfiguration</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Bandwidthes</source>
        <translation>Bandbreiten</translation>
    </message>
    <message>
        <source>Operation Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Search Mode</source>
        <translation>Suchmodus</translation>
    </message>
    <message>
        <source>Job New</source>
        <translation>Neuer Auftrag</translation>
    </message>
    <message>
        <source>Sweep Time</source>
        <translation>Sweepzeit</translation>
    </message>
    <message>
        <source>Synchronisation Grid Time</source>
        <translation>Synchronisationsraster</translation>
    </message>
    <message>
        <source>Synchronisation Start Time</source>
        <translation>Synchronisationsstartzeit</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>Treiber</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>Values used for System BITE.</source>
        <translation>Werte für den System-BITE.</translation>
    </message>
    <message>
        <source>Device Status</source>
        <translation>Gerätestatus</translation>
    </message>
    <message>
        <source>Default BIT</source>
        <translation>Standard-BIT</translation>
    </message>
    <message>
        <source>Device Informations</source>
        <translation>Geräteinformationen</translation>
    </message>
    <message>
        <source>Continuous BIT</source>
        <translation>Laufender BIT</translation>
    </message>
    <message>
        <source>Start C-BIT</source>
        <translation>C-BIT starten</translation>
    </message>
    <message>
        <source>Execution frequency of C-BIT</source>
        <translation>Ausführungshäufigkeit des C-BIT</translation>
    </message>
    <message>
        <source>C-BIT results</source>
        <translation>C-BIT-Ergebnisse</translation>
    </message>
    <message>
        <source>Error tolerance of C-BIT</source>
        <translation>Fehlertoleranz des C-BIT</translation>
    </message>
    <message>
        <source>C-BIT result message</source>
        <translation>C-BIT-Ergebnismeldung</translation>
    </message>
    <message>
        <source>Error State</source>
        <translation>Fehlerzustand</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>DF Compass</source>
        <translation>Peilkompass</translation>
    </message>
    <message>
        <source>Navigation Server</source>
        <translation>Navigationsserver</translation>
    </message>
    <message>
        <source>Antenna Compass</source>
        <translation>Antennenkompass</translation>
    </message>
    <message>
        <source>DF GPS</source>
        <translation>Peil-GPS</translation>
    </message>
    <message>
        <source>Device Options</source>
        <translation>Geräteoptionen</translation>
    </message>
    <message>
        <source>Device Version</source>
        <translation>Geräteversion</translation>
    </message>
    <message>
        <source>Device Info</source>
        <translation>Geräteinfo</translation>
    </message>
    <message>
        <source>Known Calibration Errors</source>
        <translation>Bekannte Kalibrierfehler</translation>
    </message>
    <message>
        <source>Known Device Errors</source>
        <translation>Bekannte Gerätefehler</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Average Reset</source>
        <translation>Mittelung zurücksetzen</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Result Time</source>
        <translation>Ergebniszeit</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Kalibrieren</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Neu verbinden</translation>
    </message>
    <message>
        <source>Built in Test</source>
        <translation>Selbsttest</translation>
    </message>
    <message>
        <source>Built in Test Short</source>
        <translation>Kurzer Selbsttest</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>Antenne</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Minimum Range</source>
        <translation>Minimale Reichweite</translation>
    </message>
    <message>
        <source>Maximum Range</source>
        <translation>Maximale Reichweite</translation>
    </message>
    <message>
        <source>Compass Enabled</source>
        <translation>Kompass aktiviert</translation>
    </message>
    <message>
        <source>Mechanical Offset</source>
        <translation>Mechanischer Versatz</translation>
    </message>
    <message>
        <source>Compass Support</source>
        <translation>Kompassunterstützung</translation>
    </message>
    <message>
        <source>DF Algorithm</source>
        <translation>Peilalgorithmus</translation>
    </message>
    <message>
        <source>Minimum Frequency</source>
        <translation>Minimale Frequenz</translation>
    </message>
    <message>
        <source>Maximum Frequency</source>
        <translation>Maximale Frequenz</translation>
    </message>
    <message>
        <source>Polarization Support</source>
        <translation>Polarisationsunterstützung</translation>
    </message>
    <message>
        <source>Polarization Mode</source>
        <translation>Polarisationsart</translation>
    </message>
    <message>
        <source>Active Passive Support</source>
        <translation>Aktiv-/Passiv-Unterstützung</translation>
    </message>
    <message>
        <source>Compass Value</source>
        <translation>Kompasswert</translation>
    </message>
    <message>
        <source>Recorder Channel</source>
        <translation>Rekorderkanal</translation>
    </message>
    <message>
        <source>Recorder Checksum (CRC) Enabled</source>
        <translation>Rekorder-Prüfsumme (CRC) aktiviert</translation>
    </message>
    <message>
        <source>Recording Mode</source>
        <translation>Aufzeichnungsart</translation>
    </message>
    <message>
        <source>Device Control Data</source>
        <translation>Gerätesteuerdaten</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>MultiChannel Server Master Job</source>
        <translation>Hauptauftrag des Mehrkanalservers</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Device Control Set</source>
        <translation>Gerätesteuersatz</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Frequency Definitions</source>
        <translation>Frequenzdefinitionen</translation>
    </message>
    <message>
        <source>Frequency Definition</source>
        <translation>Frequenzdefinition</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Suppress</source>
        <translation>Unterdrücken</translation>
    </message>
    <message>
        <source>Job Engine</source>
        <translation>Auftragssteuerung</translation>
    </message>
    <message>
        <source>DLL Loaded</source>
        <translation>DLL geladen</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Start Frequency</source>
        <translation>Startfrequenz</translation>
    </message>
    <message>
        <source>Stop Frequency</source>
        <translation>Stoppfrequenz</translation>
    </message>
    <message>
        <source>End Of Scan</source>
        <translation>Ende des Suchlaufs</translation>
    </message>
    <message>
        <source>End Of Range</source>
        <translation>Ende des Bereichs</translation>
    </message>
    <message>
        <source>Suppress Ranges</source>
        <translation>Ausblendbereiche</translation>
    </message>
    <message>
        <source>Temporary Suppress Ranges</source>
        <translation>Vorübergehende Ausblendbereiche</translation>
    </message>
    <message>
        <source>Master Slave Handover</source>
        <translation>Master-Slave-Übergabe</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Geladen</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Annehmen</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufzeichnung</translation>
    </message>
    <message>
        <source>Parameter Sets</source>
        <translation>Parametersätze</translation>
    </message>
    <message>
        <source>Detection</source>
        <translation>Detektion</translation>
    </message>
    <message>
        <source>Resolution Bandwidth</source>
        <translation>Auflösebandbreite</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Schwelle</translation>
    </message>
    <message>
        <source>Maximum Threshold</source>
        <translation>Maximale Schwelle</translation>
    </message>
    <message>
        <source>Automatic Threshold Setting</source>
        <translation>Automatische Schwelleneinstellung</translation>
    </message>
    <message>
        <source>Automatic Threshold Offset</source>
        <translation>Versatz der automatischen Schwelle</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>Beat Frequency Offset</source>
        <translation>Überlagerungsfrequenzversatz (BFO)</translation>
    </message>
    <message>
        <source>Audio Threshold</source>
        <translation>Audioschwelle</translation>
    </message>
    <message>
        <source>Gain Control Mode</source>
        <translation>Verstärkungsregelung</translation>
    </message>
    <message>
        <source>MGC</source>
        <translation>MGC</translation>
    </message>
    <message>
        <source>AGC</source>
        <translation>AGC</translation>
    </message>
    <message>
        <source>MGC Level</source>
        <translation>MGC-Pegel</translation>
    </message>
    <message>
        <source>AGC Decay</source>
        <translation>AGC-Abklingzeit</translation>
    </message>
    <message>
        <source>IF</source>
        <translation>ZF</translation>
    </message>
    <message>
        <source>AFC</source>
        <translation>AFC</translation>
    </message>
    <message>
        <source>Frequency Offset Measurement</source>
        <translation>Frequenzablagemessung</translation>
    </message>
    <message>
        <source>Frequency Offset Threshold</source>
        <translation>Schwelle der Frequenzablage</translation>
    </message>
    <message>
        <source>IF Panorama Span</source>
        <translation>ZF-Panorama-Spanne</translation>
    </message>
    <message>
        <source>IF Panorama Resolution</source>
        <translation>ZF-Panorama-Auflösung</translation>
    </message>
    <message>
        <source>IF Panorama Refresh Rate</source>
        <translation>ZF-Panorama-Bildrate</translation>
    </message>
    <message>
        <source>Notch Filter</source>
        <translation>Kerbfilter</translation>
    </message>
    <message>
        <source>IF Results</source>
        <translation>ZF-Ergebnisse</translation>
    </message>
    <message>
        <source>IF Spectrum</source>
        <translation>ZF-Spektrum</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detektor</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>Field Strength</source>
        <translation>Feldstärke</translation>
    </message>
    <message>
        <source>Frequency Offset</source>
        <translation>Frequenzablage</translation>
    </message>
    <message>
        <source>Noise Level</source>
        <translation>Rauschpegel</translation>
    </message>
    <message>
        <source>Mark Frequency</source>
        <translation>Markenfrequenz</translation>
    </message>
    <message>
        <source>Holding</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Squelch</source>
        <translation>Rauschsperre</translation>
    </message>
    <message>
        <source>Syllabic</source>
        <translation>Silbengesteuert</translation>
    </message>
    <message>
        <source>Squelch Mode</source>
        <translation>Rauschsperrenart</translation>
    </message>
    <message>
        <source>Squelch Syllabic</source>
        <translation>Silbengesteuerte Rauschsperre</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Audio Channel Pan</source>
        <translation>Audio-Kanalbalance</translation>
    </message>
    <message>
        <source>Play Audio</source>
        <translation>Audio wiedergeben</translation>
    </message>
    <message>
        <source>Record Audio</source>
        <translation>Audio aufzeichnen</translation>
    </message>
    <message>
        <source>Set Audio Bookmark</source>
        <translation>Audio-Lesezeichen setzen</translation>
    </message>
    <message>
        <source>Speaker On</source>
        <translation>Lautsprecher ein</translation>
    </message>
    <message>
        <source>Audio Sampling Rate</source>
        <translation>Audio-Abtastrate</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Audio Results</source>
        <translation>Audio-Ergebnisse</translation>
    </message>
    <message>
        <source>Audio Format</source>
        <translation>Audioformat</translation>
    </message>
    <message>
        <source>RF</source>
        <translation>HF</translation>
    </message>
    <message>
        <source>Antenna Type</source>
        <translation>Antennentyp</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Antenna Active</source>
        <translation>Antenne aktiv</translation>
    </message>
    <message>
        <source>Attenuation Mode</source>
        <translation>Dämpfungsart</translation>
    </message>
    <message>
        <source>RF Attenuation</source>
        <translation>HF-Dämpfung</translation>
    </message>
    <message>
        <source>Preamplifier HF</source>
        <translation>Vorverstärker KW</translation>
    </message>
    <message>
        <source>Preamplifier VUHF</source>
        <translation>Vorverstärker VUHF</translation>
    </message>
    <message>
        <source>Synthesizer Fast Mode</source>
        <translation>Schneller Synthesizermodus</translation>
    </message>
    <message>
        <source>RF Results</source>
        <translation>HF-Ergebnisse</translation>
    </message>
    <message>
        <source>RF Spectrum</source>
        <translation>HF-Spektrum</translation>
    </message>
    <message>
        <source>Measurement Results</source>
        <translation>Messergebnisse</translation>
    </message>
    <message>
        <source>Measurement Time</source>
        <translation>Messzeit</translation>
    </message>
    <message>
        <source>Frequency Deviation</source>
        <translation>Frequenzhub</translation>
    </message>
    <message>
        <source>Modulation Depth</source>
        <translation>Modulationsgrad</translation>
    </message>
    <message>
        <source>Location Finding</source>
        <translation>Ortung</translation>
    </message>
    <message>
        <source>Direction Finding</source>
        <translation>Peilung</translation>
    </message>
    <message>
        <source>Hop (real-time) Bandwidth for Scan</source>
        <translation>Sprung-(Echtzeit-)Bandbreite für den Suchlauf</translation>
    </message>
    <message>
        <source>DF Method</source>
        <translation>Peilverfahren</translation>
    </message>
    <message>
        <source>Quality Threshold</source>
        <translation>Qualitätsschwelle</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Report Rising</source>
        <translation>Anstieg melden</translation>
    </message>
    <message>
        <source>Report Falling</source>
        <translation>Abfall melden</translation>
    </message>
    <message>
        <source>Report Continous</source>
        <translation>Fortlaufend melden</translation>
    </message>
    <message>
        <source>Update Interval</source>
        <translation>Aktualisierungsintervall</translation>
    </message>
    <message>
        <source>DF Average Time</source>
        <translation>Peil-Mittelungszeit</translation>
    </message>
    <message>
        <source>DF Search</source>
        <translation>Peilsuche</translation>
    </message>
    <message>
        <source>DF Bandwidth (Search, FFM)</source>
        <translation>Peilbandbreite (Suche, FFM)</translation>
    </message>
    <message>
        <source>Elevation Start</source>
        <translation>Elevation Start</translation>
    </message>
    <message>
        <source>Elevation Stop</source>
        <translation>Elevation Stopp</translation>
    </message>
    <message>
        <source>DF Results</source>
        <translation>Peilergebnisse</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>AzimuthList</source>
        <translation>Azimutliste</translation>
    </message>
    <message>
        <source>AzimuthSpectrum</source>
        <translation>Azimutspektrum</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>DF Quality</source>
        <translation>Peilqualität</translation>
    </message>
    <message>
        <source>Azimuth Over Frequency</source>
        <translation>Azimut über Frequenz</translation>
    </message>
    <message>
        <source>Elevation Over Frequency</source>
        <translation>Elevation über Frequenz</translation>
    </message>
    <message>
        <source>DF Quality Over Frequency</source>
        <translation>Peilqualität über Frequenz</translation>
    </message>
    <message>
        <source>DF Validity</source>
        <translation>Peilgültigkeit</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Refresh Rate</source>
        <translation>Aktualisierungsrate</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Berechnung</translation>
    </message>
    <message>
        <source>Position Results</source>
        <translation>Positionsergebnisse</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Längengrad</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breitengrad</translation>
    </message>
    <message>
        <source>Last Update</source>
        <translation>Letzte Aktualisierung</translation>
    </message>
    <message>
        <source>Validity</source>
        <translation>Gültigkeit</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Header Results</source>
        <translation>Kursergebnisse</translation>
    </message>
    <message>
        <source>True Heading</source>
        <translation>Rechtweisender Kurs</translation>
    </message>
    <message>
        <source>Declination</source>
        <translation>Missweisung</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Versatz</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Hold Time</source>
        <translation>Haltezeit</translation>
    </message>
    <message>
        <source>Dwell Time</source>
        <translation>Verweilzeit</translation>
    </message>
    <message>
        <source>Acoustic</source>
        <translation>Akustisch</translation>
    </message>
    <message>
        <source>Led</source>
        <translation>LED</translation>
    </message>
    <message>
        <source>Message Box</source>
        <translation>Meldungsfenster</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Momentaufnahme</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufzeichnen</translation>
    </message>
    <message>
        <source>SRStatus</source>
        <translation>SR-Status</translation>
    </message>
    <message>
        <source>SRNumEmitter</source>
        <translation>SR-Senderanzahl</translation>
    </message>
    <message>
        <source>Create Job</source>
        <translation>Auftrag erstellen</translation>
    </message>
    <message>
        <source>On Activity</source>
        <translation>Bei Aktivität</translation>
    </message>
    <message>
        <source>On No Activity</source>
        <translation>Bei fehlender Aktivität</translation>
    </message>
    <message>
        <source>Event Results</source>
        <translation>Ereignisergebnisse</translation>
    </message>
    <message>
        <source>SRNumEmitterResult</source>
        <translation>SR-Senderanzahl-Ergebnis</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>On Activity Begin</source>
        <translation>Bei Aktivitätsbeginn</translation>
    </message>
    <message>
        <source>On Activity End</source>
        <translation>Bei Aktivitätsende</translation>
    </message>
    <message>
        <source>Activity Time Begin</source>
        <translation>Beginn der Aktivitätszeit</translation>
    </message>
    <message>
        <source>Activity Time End</source>
        <translation>Ende der Aktivitätszeit</translation>
    </message>
    <message>
        <source>Use Activity Time Constraint</source>
        <translation>Aktivitätszeitfenster verwenden</translation>
    </message>
    <message>
        <source>Fixed Signals</source>
        <translation>Festfrequenzsignale</translation>
    </message>
    <message>
        <source>Burst Signals</source>
        <translation>Burstsignale</translation>
    </message>
    <message>
        <source>Hopper Signals</source>
        <translation>Springersignale</translation>
    </message>
    <message>
        <source>Chirp Signals</source>
        <translation>Chirpsignale</translation>
    </message>
    <message>
        <source>List of known signal IDs</source>
        <translation>Liste bekannter Signalkennungen</translation>
    </message>
    <message>
        <source>Alarm Results</source>
        <translation>Alarmergebnisse</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>LastId</source>
        <translation>Letzte ID</translation>
    </message>
    <message>
        <source>MaxReached</source>
        <translation>Maximum erreicht</translation>
    </message>
    <message>
        <source>Emitters</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Emitter</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Movements</source>
        <translation>Bewegungen</translation>
    </message>
    <message>
        <source>Movement Scenario.</source>
        <translation>Bewegungsszenario.</translation>
    </message>
    <message>
        <source>Emissions</source>
        <translation>Aussendungen</translation>
    </message>
    <message>
        <source>Emission Scenario.</source>
        <translation>Aussendungsszenario.</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Verstärkung</translation>
    </message>
    <message>
        <source>Environment</source>
        <translation>Umgebung</translation>
    </message>
    <message>
        <source>Antenna Direction</source>
        <translation>Antennenrichtung</translation>
    </message>
    <message>
        <source>Maximum Power (depends on Magnitude)</source>
        <translation>Maximale Leistung (abhängig von der Größenordnung)</translation>
    </message>
    <message>
        <source>Emission Settings</source>
        <translation>Aussendungseinstellungen</translation>
    </message>
    <message>
        <source>Type of Emitter</source>
        <translation>Sendertyp</translation>
    </message>
    <message>
        <source>Step between adjacent Frequencies</source>
        <translation>Schrittweite zwischen benachbarten Frequenzen</translation>
    </message>
    <message>
        <source>WaitTime</source>
        <translation>Wartezeit</translation>
    </message>
    <message>
        <source>SendTime</source>
        <translation>Sendezeit</translation>
    </message>
    <message>
        <source>Super Frequency Node</source>
        <translation>Übergeordneter Frequenzknoten</translation>
    </message>
    <message>
        <source>Frequency List</source>
        <translation>Frequenzliste</translation>
    </message>
    <message>
        <source>Frequency Attributes</source>
        <translation>Frequenzattribute</translation>
    </message>
    <message>
        <source>Movement Settings</source>
        <translation>Bewegungseinstellungen</translation>
    </message>
    <message>
        <source>Predefined Types of Movement Characteristics</source>
        <translation>Vordefinierte Bewegungsarten</translation>
    </message>
    <message>
        <source>Sleep Time at the Beginning</source>
        <translation>Ruhezeit zu Beginn</translation>
    </message>
    <message>
        <source>Speed of a moving Emitter</source>
        <translation>Geschwindigkeit eines bewegten Senders</translation>
    </message>
    <message>
        <source>Longitude of Location</source>
        <translation>Längengrad des Standorts</translation>
    </message>
    <message>
        <source>Latitude of Location</source>
        <translation>Breitengrad des Standorts</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>Periode</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Movement&apos;s Super Node</source>
        <translation>Übergeordneter Bewegungsknoten</translation>
    </message>
    <message>
        <source>Movement List&apos;s Attributes</source>
        <translation>Attribute der Bewegungsliste</translation>
    </message>
    <message>
        <source>List of Breakpoints</source>
        <translation>Liste der Wegpunkte</translation>
    </message>
    <message>
        <source>Speed of the Emitter</source>
        <translation>Geschwindigkeit des Senders</translation>
    </message>
</context>
<context>
    <name>FrequencyScenarioViewCtrl</name>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>ViewMenu</source>
        <translation>ViewMenu</translation>
    </message>
    <message>
        <source>New Frequency</source>
        <translation>Neue Frequenz</translation>
    </message>
    <message>
        <source>&amp;Delete Frequency</source>
        <translation>Frequenz &amp;löschen</translation>
    </message>
</context>
<context>
    <name>FrequencyViewCtrl</name>
    <message>
        <source>Nodes Reordering ...</source>
        <translation>Knoten werden umsortiert ...</translation>
    </message>
    <message>
        <source>the frequency %1 Hz lies outside %2 to %3 Hz.</source>
        <translation>die Frequenz %1 Hz liegt außerhalb von %2 bis %3 Hz.</translation>
    </message>
    <message>
        <source>no frequency is given.</source>
        <translation>es ist keine Frequenz angegeben.</translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is not a number.</source>
        <translation>die Frequenz „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>the bandwidth &quot;%1&quot; is not a number.</source>
        <translation>die Bandbreite „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>the bandwidth %1 Hz is negative.</source>
        <translation>die Bandbreite %1 Hz ist negativ.</translation>
    </message>
    <message>
        <source>Paste Text Format Error:</source>
        <translation>Fehler im Format des eingefügten Texts:</translation>
    </message>
    <message>
        <source>Nothing was pasted. These entries cannot be read:</source>
        <translation>Es wurde nichts eingefügt. Diese Einträge sind nicht lesbar:</translation>
    </message>
    <message>
        <source>Nothing was pasted. These lines cannot be read:</source>
        <translation>Es wurde nichts eingefügt. Diese Zeilen sind nicht lesbar:</translation>
    </message>
    <message>
        <source>Entry %1: %2</source>
        <translation>Eintrag %1: %2</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Suppress</source>
        <translation>Unterdrücken</translation>
    </message>
    <message>
        <source>ViewMenu</source>
        <translation>ViewMenu</translation>
    </message>
    <message>
        <source>New Frequency</source>
        <translation>Neue Frequenz</translation>
    </message>
    <message>
        <source>Insert Frequency</source>
        <translation>Frequenz einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete Frequency</source>
        <translation>Frequenz &amp;löschen</translation>
    </message>
    <message>
        <source>Keep Order</source>
        <translation>Reihenfolge übernehmen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Unknown Format.</source>
        <translation>Unbekanntes Format.</translation>
    </message>
    <message>
        <source>Paste Text Format Error.</source>
        <translation>Fehler im Format des eingefügten Texts.</translation>
    </message>
    <message>
        <source>The data in the clipboard could not be added!</source>
        <translation>Die Daten in der Zwischenablage konnten nicht hinzugefügt werden!</translation>
    </message>
    <message>
        <source>The node %1 in the clipboard could not be added!</source>
        <translation>Der Knoten %1 in der Zwischenablage konnte nicht hinzugefügt werden!</translation>
    </message>
</context>
<context>
    <name>GenericScenarioViewItem</name>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
</context>
<context>
    <name>JobDialog</name>
    <message>
        <source>Start Fixed Frequency Mode</source>
        <translation>Festfrequenzbetrieb starten</translation>
    </message>
    <message>
        <source>Start as Search Job</source>
        <translation>Als Suchauftrag starten</translation>
    </message>
    <message>
        <source>Start as Scan Job</source>
        <translation>Als Scan-Auftrag starten</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>For starting the FFM mode, a frequency has to be selected.</source>
        <translation>Zum Starten des Festfrequenzbetriebs (FFM) muss eine Frequenz ausgewählt sein.</translation>
    </message>
</context>
<context>
    <name>JobDialogManager</name>
    <message>
        <source>There is no job to save.</source>
        <translation>Es gibt keinen Auftrag zum Speichern.</translation>
    </message>
    <message>
        <source>Job Edit</source>
        <translation>Auftragsbearbeitung</translation>
    </message>
    <message>
        <source>no job loaded</source>
        <translation>kein Auftrag geladen</translation>
    </message>
    <message>
        <source>unnamed</source>
        <translation>unbenannt</translation>
    </message>
</context>
<context>
    <name>JobPanel</name>
    <message>
        <source>Job Edit</source>
        <translation>Auftragsbearbeitung</translation>
    </message>
    <message>
        <source>&amp;Offline Job</source>
        <translation>&amp;Offline-Auftrag</translation>
    </message>
    <message>
        <source>&amp;Device Job</source>
        <translation>&amp;Geräteauftrag</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Connect to...</source>
        <translation>&amp;Verbinden mit...</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>&amp;Upload</source>
        <translation>&amp;Hochladen</translation>
    </message>
    <message>
        <source>Down&amp;load</source>
        <translation>Herunter&amp;laden</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>The job could not be copied.</source>
        <translation>Der Auftrag konnte nicht kopiert werden.</translation>
    </message>
    <message>
        <source>Job File</source>
        <translation>Auftragsdatei</translation>
    </message>
    <message>
        <source>no job loaded</source>
        <translation>kein Auftrag geladen</translation>
    </message>
</context>
<context>
    <name>MovementScenarioViewCtrl</name>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Sleep Time</source>
        <translation>Ruhezeit</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>ViewMenu</source>
        <translation>ViewMenu</translation>
    </message>
    <message>
        <source>New Breakpoint</source>
        <translation>Neuer Wegpunkt</translation>
    </message>
    <message>
        <source>&amp;Delete Breakpoint</source>
        <translation>Wegpunkt &amp;löschen</translation>
    </message>
</context>
<context>
    <name>ParameterViewCtrl</name>
    <message>
        <source>New Parameter</source>
        <translation>Neuer Parameter</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>The node %1 could not be created !</source>
        <translation>Der Knoten %1 konnte nicht erstellt werden!</translation>
    </message>
    <message>
        <source>Paste Text Format Error.</source>
        <translation>Fehler im Format des eingefügten Texts.</translation>
    </message>
    <message>
        <source>The data in the clipboard could not be added!</source>
        <translation>Die Daten in der Zwischenablage konnten nicht hinzugefügt werden!</translation>
    </message>
    <message>
        <source>The node %1 in the clipboard could not be added !</source>
        <translation>Der Knoten %1 in der Zwischenablage konnte nicht hinzugefügt werden!</translation>
    </message>
    <message>
        <source>The node %1 already exists, should it be replaced with this one ?</source>
        <translation>Der Knoten %1 ist bereits vorhanden. Soll er durch diesen ersetzt werden?</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Behalten</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
</context>
<context>
    <name>TviDcd</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
</context>
<context>
    <name>TviDev</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Standard Device</source>
        <translation>Standardgerät</translation>
    </message>
</context>
<context>
    <name>TviStdNode</name>
    <message>
        <source>Paste Text Format Error.</source>
        <translation>Fehler im Format des eingefügten Texts.</translation>
    </message>
    <message>
        <source>The data in the clipboard could not be added!</source>
        <translation>Die Daten in der Zwischenablage konnten nicht hinzugefügt werden!</translation>
    </message>
    <message>
        <source>The node %1 in the clipboard could not be added!</source>
        <translation>Der Knoten %1 in der Zwischenablage konnte nicht hinzugefügt werden!</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>frequency definition</source>
        <translation>Frequenzdefinition</translation>
    </message>
    <message>
        <source>frequency definitions</source>
        <translation>Frequenzdefinitionen</translation>
    </message>
    <message>
        <source>frequency list</source>
        <translation>Frequenzliste</translation>
    </message>
    <message>
        <source>frequency lists</source>
        <translation>Frequenzlisten</translation>
    </message>
    <message>
        <source>emission</source>
        <translation>Aussendung</translation>
    </message>
    <message>
        <source>emissions</source>
        <translation>Aussendungen</translation>
    </message>
    <message>
        <source>emitter</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>emitters</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>movement</source>
        <translation>Bewegung</translation>
    </message>
    <message>
        <source>movements</source>
        <translation>Bewegungen</translation>
    </message>
    <message>
        <source>breakpoint</source>
        <translation>Wegpunkt</translation>
    </message>
    <message>
        <source>breakpoints</source>
        <translation>Wegpunkte</translation>
    </message>
    <message>
        <source>emission frequency</source>
        <translation>Aussendungsfrequenz</translation>
    </message>
    <message>
        <source>emission frequencies</source>
        <translation>Aussendungsfrequenzen</translation>
    </message>
    <message>
        <source>parameter set</source>
        <translation>Parametersatz</translation>
    </message>
    <message>
        <source>parameter sets</source>
        <translation>Parametersätze</translation>
    </message>
    <message>
        <source>device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>job</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>jobs</source>
        <translation>Aufträge</translation>
    </message>
    <message>
        <source>control set</source>
        <translation>Steuersatz</translation>
    </message>
    <message>
        <source>control sets</source>
        <translation>Steuersätze</translation>
    </message>
    <message>
        <source>item</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>items</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Delete %1 %2</source>
        <translation>%1 %2 löschen</translation>
    </message>
    <message>
        <source>Add %1 %2</source>
        <translation>%1 %2 hinzufügen</translation>
    </message>
    <message>
        <source>Paste %1 %2</source>
        <translation>%1 %2 einfügen</translation>
    </message>
    <message>
        <source>Reorder %1</source>
        <translation>%1 neu ordnen</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>%1 umbenennen</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Change %1 values</source>
        <translation>%1 Werte ändern</translation>
    </message>
    <message>
        <source>Edit %1 items</source>
        <translation>%1 Einträge bearbeiten</translation>
    </message>
</context>
</TS>
