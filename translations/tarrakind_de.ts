<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BindsPage</name>
    <message>
        <source>Key Binds</source>
        <translation>Tastenbelegung</translation>
    </message>
    <message>
        <source>Bind</source>
        <translation>Bind</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Function / Command</source>
        <translation>Funktion / Befehl</translation>
    </message>
    <message>
        <source>Specify Binds</source>
        <translation>Binds festlegen</translation>
    </message>
    <message>
        <source>Click to specify custom Binds</source>
        <translation>Klicken, um eigene Binds festzulegen</translation>
    </message>
    <message>
        <source>Bind List Editing</source>
        <translation>Bind-Liste bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Add Bind</source>
        <translation>Bind &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Add new Bind</source>
        <translation>Neuen Bind hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit Bind</source>
        <translation>Bind &amp;ändern</translation>
    </message>
    <message>
        <source>Edit Selected Bind</source>
        <translation>Gewählten Bind ändern</translation>
    </message>
    <message>
        <source>&amp;Delete Bind</source>
        <translation>Bind &amp;löschen</translation>
    </message>
    <message>
        <source>Delete Selected Bind</source>
        <translation>Gewählten Bind löschen</translation>
    </message>
    <message>
        <source>Delete &amp;All</source>
        <translation>&amp;Alle löschen</translation>
    </message>
    <message>
        <source>Delete All Binds</source>
        <translation>Alle Binds löschen</translation>
    </message>
    <message>
        <source>in the list</source>
        <translation>in der Liste</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listenindex außerhalb des Bereichs (%1)</translation>
    </message>
</context>
<context>
    <name>BotCfgPage</name>
    <message>
        <source>Available Bots</source>
        <translation>Verfügbare Bots</translation>
    </message>
    <message>
        <source>Toggle which Bots to play against by double clicking</source>
        <translation>Doppelklick wählt die Bots, gegen die du spielst</translation>
    </message>
    <message>
        <source>[ 0 Bot(s) found ][ 0 are selected ]</source>
        <translation>[ 0 Bot(s) gefunden ][ 0 gewählt ]</translation>
    </message>
    <message>
        <source>Pick Random #</source>
        <translation>Zufällig #</translation>
    </message>
    <message>
        <source>Number of bots to pick at random</source>
        <translation>Anzahl zufällig gewählter Bots</translation>
    </message>
    <message>
        <source>Bot file to load from:</source>
        <translation>Bot-Datei laden:</translation>
    </message>
    <message>
        <source>Toggle bots you want to play against by double-clicking in list.</source>
        <translation>Doppelklick in der Liste wählt die Bots, gegen die du spielen willst.</translation>
    </message>
    <message>
        <source>Bot List Editing</source>
        <translation>Bot-Liste bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Add Bot</source>
        <translation>Bot &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Add a new Bot to the list</source>
        <translation>Neuen Bot zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit Bot</source>
        <translation>Bot &amp;ändern</translation>
    </message>
    <message>
        <source>Edit properties of selected Bot</source>
        <translation>Eigenschaften des gewählten Bots ändern</translation>
    </message>
    <message>
        <source>&amp;Delete Bot</source>
        <translation>Bot &amp;löschen</translation>
    </message>
    <message>
        <source>Delete selected Bot</source>
        <translation>Gewählten Bot löschen</translation>
    </message>
    <message>
        <source>Bot &amp;Generator</source>
        <translation>Bot-&amp;Generator</translation>
    </message>
    <message>
        <source>Create new Bot List</source>
        <translation>Neue Bot-Liste erstellen</translation>
    </message>
    <message>
        <source>in the list</source>
        <translation>in der Liste</translation>
    </message>
    <message>
        <source>No Bot Chat in game</source>
        <translation>Kein Bot-Chat im Spiel</translation>
    </message>
    <message>
        <source>Enable/Disable bot chat ingame</source>
        <translation>Bot-Chat im Spiel ein-/ausschalten</translation>
    </message>
</context>
<context>
    <name>BotGeneration</name>
    <message>
        <source>A bot list is made of %1 to %2 bots.</source>
        <translation>Eine Bot-Liste umfasst %1 bis %2 Bots.</translation>
    </message>
    <message>
        <source>The name list holds only %1 names.</source>
        <translation>Die Namensliste enthält nur %1 Namen.</translation>
    </message>
    <message>
        <source>Type the prefix the numbered names start with.</source>
        <translation>Gib das Präfix ein, mit dem die nummerierten Namen beginnen.</translation>
    </message>
    <message>
        <source>The prefix cannot make a bot name: bot names are at most %1 characters of plain ASCII, without &quot;, ;, \, $ or //.</source>
        <translation>Aus dem Präfix wird kein Bot-Name: Bot-Namen sind höchstens %1 Zeichen reines ASCII, ohne &quot;, ;, \, $ oder //.</translation>
    </message>
    <message>
        <source>No player model with a skin for bots is installed.</source>
        <translation>Es ist kein Spielermodell mit einem Skin für Bots installiert.</translation>
    </message>
    <message>
        <source>The model &quot;%1&quot; has no skin for bots installed.</source>
        <translation>Das Modell „%1“ hat keinen Skin für Bots installiert.</translation>
    </message>
    <message>
        <source>Your model and skin on the Player tab (%1) are not installed for bots.</source>
        <translation>Dein Modell und Skin aus dem Spieler-Tab (%1) sind für Bots nicht installiert.</translation>
    </message>
    <message>
        <source>There is no such bot profile.</source>
        <translation>Dieses Bot-Profil gibt es nicht.</translation>
    </message>
    <message>
        <source>Type the name of the new bot list file.</source>
        <translation>Gib den Namen der neuen Bot-Listendatei ein.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be used: %2.</source>
        <translation>Der Name „%1“ geht nicht: %2.</translation>
    </message>
    <message>
        <source>A bot list file name ends in &quot;.cfg&quot;: the launcher offers only such files as bot lists.</source>
        <translation>Der Name einer Bot-Listendatei endet auf „.cfg“: Der Launcher bietet nur solche Dateien als Bot-Listen an.</translation>
    </message>
    <message>
        <source>%1 is the exec file the launcher writes at every launch; choose another name.</source>
        <translation>%1 ist die Exec-Datei, die der Launcher bei jedem Start schreibt; wähle einen anderen Namen.</translation>
    </message>
</context>
<context>
    <name>BotGenerator</name>
    <message>
        <source>Bot Generator</source>
        <translation>Bot-Generator</translation>
    </message>
    <message>
        <source>Tarrakind Bot Generator</source>
        <translation>Tarrakind Bot-Generator</translation>
    </message>
    <message>
        <source>&amp;File Name</source>
        <translation>&amp;Name der Datei</translation>
    </message>
    <message>
        <source>Name of the new bot list file in the launcher directory</source>
        <translation>Name der neuen Bot-Listendatei im Launcher-Verzeichnis</translation>
    </message>
    <message>
        <source>Number of &amp;Bots</source>
        <translation>&amp;Anzahl Bots</translation>
    </message>
    <message>
        <source>How many bots the new list holds, %1 to %2</source>
        <translation>Wie viele Bots die neue Liste enthält, %1 bis %2</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>From the name &amp;list</source>
        <translation>Aus der Namens&amp;liste</translation>
    </message>
    <message>
        <source>Draw each name from the launcher&apos;s list of bot names, none twice</source>
        <translation>Jeden Namen aus der Namensliste des Launchers ziehen, keinen doppelt</translation>
    </message>
    <message>
        <source>Numbered, &amp;prefix:</source>
        <translation>Nummeriert, &amp;Präfix:</translation>
    </message>
    <message>
        <source>Number the bots after a prefix: Grunt1, Grunt2, ...</source>
        <translation>Die Bots hinter einem Präfix nummerieren: Grunt1, Grunt2, ...</translation>
    </message>
    <message>
        <source>The prefix the numbered names start with</source>
        <translation>Das Präfix, mit dem die nummerierten Namen beginnen</translation>
    </message>
    <message>
        <source>Name prefix</source>
        <translation>Namenspräfix</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>Aussehen</translation>
    </message>
    <message>
        <source>&amp;Random model and skin</source>
        <translation>&amp;Zufälliges Modell und Skin</translation>
    </message>
    <message>
        <source>Give each bot a random installed model and skin</source>
        <translation>Jedem Bot ein zufälliges installiertes Modell mit Skin geben</translation>
    </message>
    <message>
        <source>One &amp;model:</source>
        <translation>Ein &amp;Modell:</translation>
    </message>
    <message>
        <source>Give every bot this model, each with a random skin</source>
        <translation>Allen Bots dieses Modell geben, jedem mit zufälligem Skin</translation>
    </message>
    <message>
        <source>The model every bot wears</source>
        <translation>Das Modell aller Bots</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>&amp;Your model and skin</source>
        <translation>D&amp;ein Modell und Skin</translation>
    </message>
    <message>
        <source>Give every bot your own model and skin, as the Player tab sets them</source>
        <translation>Allen Bots dein eigenes Modell und Skin geben, wie im Spieler-Tab eingestellt</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>R&amp;andom profile</source>
        <translation>Zufälliges P&amp;rofil</translation>
    </message>
    <message>
        <source>Give each bot a random bot profile</source>
        <translation>Jedem Bot ein zufälliges Bot-Profil geben</translation>
    </message>
    <message>
        <source>&amp;One profile:</source>
        <translation>Ein Pr&amp;ofil:</translation>
    </message>
    <message>
        <source>Give every bot this profile</source>
        <translation>Allen Bots dieses Profil geben</translation>
    </message>
    <message>
        <source>The profile every bot gets</source>
        <translation>Das Profil aller Bots</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>&amp;Select all new bots</source>
        <translation>Alle neuen Bots &amp;wählen</translation>
    </message>
    <message>
        <source>Select every new bot for the next game</source>
        <translation>Jeden neuen Bot für das nächste Spiel wählen</translation>
    </message>
    <message>
        <source>L&amp;ines to Write</source>
        <translation>Zu schreibende Ze&amp;ilen</translation>
    </message>
    <message>
        <source>The lines the new bot list file will hold</source>
        <translation>Die Zeilen der neuen Bot-Listendatei</translation>
    </message>
    <message>
        <source>&amp;Draw Again</source>
        <translation>&amp;Neu ziehen</translation>
    </message>
    <message>
        <source>Draw other names, looks and profiles</source>
        <translation>Andere Namen, Aussehen und Profile ziehen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Cancel and Close without writing a file</source>
        <translation>Abbrechen und schließen, ohne eine Datei zu schreiben</translation>
    </message>
    <message>
        <source>Cr&amp;eate</source>
        <translation>&amp;Erstellen</translation>
    </message>
    <message>
        <source>Write the bot list file and use it on the Bot Cfg tab</source>
        <translation>Bot-Listendatei schreiben und im Bot-Cfg-Tab verwenden</translation>
    </message>
    <message>
        <source>the server has room for %1</source>
        <translation>der Server hat Platz für %1</translation>
    </message>
    <message>
        <source>Max. Clients %1, less one for the first player, who enters before the bots join</source>
        <translation>Max. Clients %1, abzüglich eines Platzes für den ersten Spieler, der vor den Bots beitritt</translation>
    </message>
    <message>
        <source>Max. Clients %1, less one for you</source>
        <translation>Max. Clients %1, abzüglich eines Platzes für dich</translation>
    </message>
    <message>
        <source>How many bots join a game with the current server settings: %1</source>
        <translation>So viele Bots treten mit den aktuellen Server-Einstellungen einem Spiel bei: %1</translation>
    </message>
    <message>
        <source>How many bots the new list holds, %1 to %2; the server has room for %3 (%4)</source>
        <translation>Wie viele Bots die neue Liste enthält, %1 bis %2; der Server hat Platz für %3 (%4)</translation>
    </message>
    <message>
        <source>&amp;Your model and skin: %1</source>
        <translation>D&amp;ein Modell und Skin: %1</translation>
    </message>
    <message>
        <source> Choose another name.</source>
        <translation> Wähle einen anderen Namen.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 ist ein Ordner.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message numerus="yes">
        <source>The file %1 already exists. Replace it with the new list of %n bot(s)?</source>
        <translation>
            <numerusform>Die Datei %1 gibt es schon. Durch die neue Liste mit %n Bot ersetzen?</numerusform>
            <numerusform>Die Datei %1 gibt es schon. Durch die neue Liste mit %n Bots ersetzen?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Keep the File</source>
        <translation>Datei behalten</translation>
    </message>
</context>
<context>
    <name>BotList</name>
    <message>
        <source> The bots were not written to it.</source>
        <translation> Die Bots wurden nicht hineingeschrieben.</translation>
    </message>
    <message>
        <source>Error: Could not locate file %1</source>
        <translation>Fehler: Datei %1 nicht gefunden</translation>
    </message>
    <message>
        <source>The file %1 is not a bot list file: it is not plain text.</source>
        <translation>Die Datei %1 ist keine Bot-Listendatei: Sie ist kein reiner Text.</translation>
    </message>
    <message>
        <source>The file %1 is not a bot list file: it is not a regular file.</source>
        <translation>Die Datei %1 ist keine Bot-Listendatei: Sie ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The file %1 is too large to be a bot list file (%2 MB; at most %3 MB are read).</source>
        <translation>Die Datei %1 ist zu groß für eine Bot-Listendatei (%2 MB; gelesen werden höchstens %3 MB).</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>[ %1 Bot(s) found ][ %2 is selected ]</source>
        <translation>[ %1 Bot(s) gefunden ][ %2 gewählt ]</translation>
    </message>
    <message>
        <source>[ %1 Bot(s) found ][ %2 are selected ]</source>
        <translation>[ %1 Bot(s) gefunden ][ %2 gewählt ]</translation>
    </message>
</context>
<context>
    <name>BotListModel</name>
    <message>
        <source>This line runs more than one console command: it is sent to the game as it stands.</source>
        <translation>Diese Zeile führt mehr als einen Konsolenbefehl aus: Sie geht so, wie sie ist, an das Spiel.</translation>
    </message>
    <message>
        <source>Bot Name</source>
        <translation>Bot-Name</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>give one command at a time</source>
        <translation>nur ein Befehl auf einmal</translation>
    </message>
    <message>
        <source>--force goes only with --write-cfg and --launch</source>
        <translation>--force gibt es nur mit --write-cfg und --launch</translation>
    </message>
    <message>
        <source>this command takes no profile</source>
        <translation>dieser Befehl nimmt kein Profil</translation>
    </message>
    <message>
        <source>a profile needs a command</source>
        <translation>ein Profil braucht einen Befehl</translation>
    </message>
    <message>
        <source>give one profile at a time</source>
        <translation>nur ein Profil auf einmal</translation>
    </message>
    <message>
        <source>the profile&apos;s name is empty</source>
        <translation>der Name des Profils ist leer</translation>
    </message>
    <message>
        <source>Usage: tarrakind [--write-cfg [--force] | --check | --launch [--force]] [PROFILE]
       tarrakind --install-desktop-entry | --remove-desktop-entry | --help | --version
</source>
        <translation>Aufruf: tarrakind [--write-cfg [--force] | --check | --launch [--force]] [PROFIL]
       tarrakind --install-desktop-entry | --remove-desktop-entry | --help | --version
</translation>
    </message>
    <message>
        <source>
Without arguments, opens the launcher&apos;s window.

  --write-cfg              write the rotation file and the exec file as LAUNCH! does,
                           print the exec file&apos;s path; start nothing; stops when
                           loading the profile gives an error
  --check                  print what loading the profile and the check before the
                           start find, one a line; exit 1 when they find anything
  --launch                 the whole LAUNCH!, game start included; stops when
                           loading the profile gives an error or the check finds
                           anything
  --force                  with --write-cfg and --launch: go on all the same
  --install-desktop-entry  add the launcher to the desktop&apos;s menu (for this user)
  --remove-desktop-entry   take it out again
  -h, --help               print this help
  -v, --version            print the version and the licence

PROFILE is a profile file (.tsf), by default default.tsf in the launcher&apos;s
directory; a relative name is looked for in the current directory, then in the
launcher&apos;s. These commands need no display and never change a profile; a
profile that cannot be read stops them. Messages go to standard error, each
line prefixed with &quot;tarrakind: &quot;. Exit status: 0 done, 1 stopped (or --check
found something), 2 bad arguments.

Keys in the window (the man page says more):
  Alt+S, C, D, G, M, I, P, B, F  open that tab, from every tab
  Ctrl+Tab, Ctrl+Shift+Tab       the next, the previous tab
  Ctrl+Return, F9                LAUNCH!
  Ctrl+P, F1, Ctrl+Q             Preview, About, Close
  Alt+O, Ctrl+S, Alt+A           Setup: Open, Save, Save As
  Ctrl+B                         Setup: Add Current Config
  Delete, Shift+Delete           on the quick-load bar: Remove a Button, Remove all
  Space, Return                  in the bot list: toggle; on the quick-load bar: load
  Ctrl+R, Alt+A, Alt+E           Bot Cfg: Pick Random #, Add Bot, Edit Bot
  Delete                         in the bot list: Delete Bot
  Ctrl+G                         Bot Cfg: Bot Generator
  Ctrl+1 to Ctrl+6               DM Flags: the presets; Return in the total: Set
  F5, F2                         Map: Refresh Map List; in the map list: Enter/Alter Title
  Alt+T, Alt+U, Alt+R            Map: Add to Rotation, Move Up, Randomize
  Ctrl+Up, Ctrl+Down             in the rotation list: Move Up, Move Down
  Delete, Shift+Delete           in the rotation or bind list: Delete, Delete All
  Ctrl+S, Ctrl+L                 Map: the rotation file&apos;s Save and Load
  Alt+A, Alt+E                   Binds: Add Bind, Edit Bind
  Space, Return                  on the colour swatch: choose the light-up colour
  Return, Escape                 in dialogs: their action, Cancel; in the preview: go to
                                 the setting of the line, close
</source>
        <translation>
Ohne Argumente öffnet sich das Fenster des Launchers.

  --write-cfg              die Rotationsdatei und die Exec-Datei schreiben wie LAUNCH!,
                           den Pfad der Exec-Datei ausgeben; nichts starten; bricht ab,
                           wenn beim Laden des Profils ein Fehler auftritt
  --check                  ausgeben, was das Laden des Profils und die Prüfung vor dem
                           Start finden, eines je Zeile; Status 1, wenn sie etwas finden
  --launch                 das ganze LAUNCH!, mit Spielstart; bricht ab, wenn beim
                           Laden des Profils ein Fehler auftritt oder die Prüfung etwas
                           findet
  --force                  mit --write-cfg und --launch: trotzdem weitermachen
  --install-desktop-entry  den Launcher ins Menü des Desktops aufnehmen (für diesen Benutzer)
  --remove-desktop-entry   ihn wieder herausnehmen
  -h, --help               diese Hilfe ausgeben
  -v, --version            Version und Lizenz ausgeben

PROFIL ist eine Profildatei (.tsf), ohne Angabe default.tsf im Verzeichnis des
Launchers; ein relativer Name wird im aktuellen Verzeichnis gesucht, dann in dem
des Launchers. Diese Befehle brauchen keine Anzeige und ändern nie ein Profil; ein
Profil, das sich nicht lesen lässt, hält sie an. Meldungen gehen auf die
Standardfehlerausgabe, jede Zeile mit „tarrakind: “ davor. Exit-Status: 0 erledigt,
1 abgebrochen (oder --check hat etwas gefunden), 2 falsche Argumente.

Tasten im Fenster (die Manpage sagt mehr):
  Alt+S, C, D, L, M, X, P, B, I  diesen Tab öffnen, von jedem Tab aus
  Strg+Tab, Strg+Umschalt+Tab    der nächste, der vorige Tab
  Strg+Eingabe, F9               LAUNCH!
  Strg+P, F1, Strg+Q             Vorschau, Über, Schließen
  Alt+F, Strg+S, Alt+U           Setup: Öffnen, Speichern, Speichern unter
  Strg+B                         Setup: Aktuelle Konfig hinzufügen
  Entf, Umschalt+Entf            in der Schnellladeleiste: Button entfernen, alle entfernen
  Leertaste, Eingabe             in der Bot-Liste: umschalten; in der Schnellladeleiste: laden
  Strg+R, Alt+H, Alt+Ä           Bot-Cfg: Zufällig #, Bot hinzufügen, Bot ändern
  Entf                           in der Bot-Liste: Bot löschen
  Strg+G                         Bot-Cfg: Bot-Generator
  Strg+1 bis Strg+6              DM-Flags: die Vorgaben; Eingabe in der Summe: Setzen
  F5, F2                         Map: Map-Liste neu laden; in der Map-Liste: Titel eingeben/ändern
  Alt+R, Alt+O, Alt+H            Map: Zur Rotation, Nach oben, Mischen
  Strg+Hoch, Strg+Runter         in der Rotationsliste: Nach oben, Nach unten
  Entf, Umschalt+Entf            in der Rotations- oder Bind-Liste: Löschen, Alle löschen
  Strg+S, Strg+L                 Map: Speichern und Laden der Rotationsdatei
  Alt+H, Alt+Ä                   Binds: Bind hinzufügen, Bind ändern
  Leertaste, Eingabe             am Farbfeld: die Leuchtfarbe wählen
  Eingabe, Escape                in Dialogen: ihre Aktion, Abbrechen; in der Vorschau: zur
                                 Einstellung der Zeile springen, schließen
</translation>
    </message>
    <message>
        <source>Tarrakind %1
Copyright (C) 2026 the Tarrakind team
Licence: %2 (GNU General Public License, version 2 or later)
This is free software: you may change and share it under the terms of that licence.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Tarrakind %1
Copyright (C) 2026 das Tarrakind-Team
Lizenz: %2 (GNU General Public License, Version 2 oder neuer)
Dies ist freie Software: Du darfst sie unter den Bedingungen dieser Lizenz ändern und weitergeben.
Es gibt KEINE GARANTIE, soweit das Gesetz es zulässt.
</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options (-style, -platform, -display and the others that QApplication
documents) apply to the window; the commands without a window ignore them.
</source>
        <translation>Qts Standardoptionen (-style, -platform, -display und die übrigen, die QApplication
beschreibt) gelten für das Fenster; die Befehle ohne Fenster übergehen sie.
</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>The launcher was built without %1</source>
        <translation>Dem Launcher fehlt beim Bauen %1</translation>
    </message>
    <message>
        <source>Cannot create directory %1: %2</source>
        <translation>Verzeichnis %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>The launcher&apos;s path %1 holds a &quot;%&quot;: menus built on GLib (GNOME, Xfce and others) cannot start such a program and would leave its entry out, so none was written. Move the game to a folder whose path has no &quot;%&quot;.</source>
        <translation>Der Pfad des Launchers %1 enthält ein „%“: Menüs auf GLib-Basis (GNOME, Xfce und andere) können ein solches Programm nicht starten und ließen seinen Eintrag weg, daher wurde keiner geschrieben. Verschiebe das Spiel in einen Ordner, dessen Pfad kein „%“ enthält.</translation>
    </message>
    <message>
        <source>The desktop entry started another copy of the launcher, %1; it now starts this one.</source>
        <translation>Der Desktop-Eintrag startete eine andere Kopie des Launchers, %1; jetzt startet er diese.</translation>
    </message>
    <message>
        <source>The desktop entry starts another copy of the launcher, %1, so it was left in place with its icons; that copy&apos;s --remove-desktop-entry removes it.</source>
        <translation>Der Desktop-Eintrag startet eine andere Kopie des Launchers, %1, und blieb daher mit seinen Icons bestehen; --remove-desktop-entry jener Kopie entfernt ihn.</translation>
    </message>
    <message>
        <source>The desktop entry started another copy of the launcher, %1, which no longer exists; it is removed.</source>
        <translation>Der Desktop-Eintrag startete eine andere Kopie des Launchers, %1, die es nicht mehr gibt; er wird entfernt.</translation>
    </message>
</context>
<context>
    <name>DmFlags</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist kein gültiger ganzzahliger Wert</translation>
    </message>
</context>
<context>
    <name>DmFlagsPage</name>
    <message>
        <source>No Health</source>
        <translation>Keine Gesundheit</translation>
    </message>
    <message>
        <source>No health packs in map</source>
        <translation>Keine Medikits auf der Map</translation>
    </message>
    <message>
        <source>No Items</source>
        <translation>Keine Items</translation>
    </message>
    <message>
        <source>No items in map</source>
        <translation>Keine Items auf der Map</translation>
    </message>
    <message>
        <source>Weapons Stay</source>
        <translation>Waffen bleiben</translation>
    </message>
    <message>
        <source>Weapons stay when picked up</source>
        <translation>Waffen bleiben nach dem Aufnehmen liegen</translation>
    </message>
    <message>
        <source>No Falling Dmg</source>
        <translation>Kein Fallschaden</translation>
    </message>
    <message>
        <source>No damage taken from falling</source>
        <translation>Kein Schaden durch Stürze</translation>
    </message>
    <message>
        <source>Instant Items</source>
        <translation>Items sofort</translation>
    </message>
    <message>
        <source>Items are used when picked up (Quad/Rebreater/etc.)</source>
        <translation>Items werden beim Aufnehmen benutzt (Quad/Rebreather usw.)</translation>
    </message>
    <message>
        <source>Stay on same Lvl</source>
        <translation>Gleiche Map</translation>
    </message>
    <message>
        <source>Forces map to remain same after games</source>
        <translation>Die Map bleibt nach jedem Spiel dieselbe</translation>
    </message>
    <message>
        <source>Teams by Skin</source>
        <translation>Teams nach Skin</translation>
    </message>
    <message>
        <source>Sort teams by skin design</source>
        <translation>Teams nach Skin einteilen</translation>
    </message>
    <message>
        <source>Teams by Model</source>
        <translation>Teams nach Modell</translation>
    </message>
    <message>
        <source>Sort teams by model</source>
        <translation>Teams nach Modell einteilen</translation>
    </message>
    <message>
        <source>No Friendly Fire</source>
        <translation>Kein Eigenbeschuss</translation>
    </message>
    <message>
        <source>Allows you to injure/kill teammates</source>
        <translation>Erlaubt, Teamkameraden zu verletzen oder zu töten</translation>
    </message>
    <message>
        <source>Spawn Farthest</source>
        <translation>Fern spawnen</translation>
    </message>
    <message>
        <source>Spawn in unbusiest part of map</source>
        <translation>Im ruhigsten Teil der Map spawnen</translation>
    </message>
    <message>
        <source>Force Respawn</source>
        <translation>Respawn erzwingen</translation>
    </message>
    <message>
        <source>Auto respawn without user click</source>
        <translation>Automatischer Respawn ohne Klick</translation>
    </message>
    <message>
        <source>No Armour</source>
        <translation>Keine Rüstung</translation>
    </message>
    <message>
        <source>No armour in map</source>
        <translation>Keine Rüstung auf der Map</translation>
    </message>
    <message>
        <source>Allow Exit</source>
        <translation>Verlassen erlaubt</translation>
    </message>
    <message>
        <source>Allow clients to exit midgame</source>
        <translation>Clients dürfen das Spiel mittendrin verlassen</translation>
    </message>
    <message>
        <source>Infinite Ammo</source>
        <translation>Endlos Munition</translation>
    </message>
    <message>
        <source>Infinite ammo for guns</source>
        <translation>Unendlich Munition für die Waffen</translation>
    </message>
    <message>
        <source>Quad Drop</source>
        <translation>Quad fallen lassen</translation>
    </message>
    <message>
        <source>Allows quad drop when quadded player is killed</source>
        <translation>Quad fällt zu Boden, wenn sein Träger getötet wird</translation>
    </message>
    <message>
        <source>Fixed F.o.V.</source>
        <translation>Feste Sicht (FOV)</translation>
    </message>
    <message>
        <source>Force clients to use FOV90</source>
        <translation>Zwingt Clients zu FOV 90</translation>
    </message>
    <message>
        <source>Force Join</source>
        <translation>Beitritt erzwingen</translation>
    </message>
    <message>
        <source>Force client to join team</source>
        <translation>Zwingt Clients, einem Team beizutreten</translation>
    </message>
    <message>
        <source>Armour Protect</source>
        <translation>Rüstungsschutz</translation>
    </message>
    <message>
        <source>Armor protects you from teammates shots</source>
        <translation>Rüstung schützt vor Schüssen der Teamkameraden</translation>
    </message>
    <message>
        <source>No Tech Powerups</source>
        <translation>Keine Techs</translation>
    </message>
    <message>
        <source>Disable tech/runes</source>
        <translation>Techs/Runen abschalten</translation>
    </message>
    <message>
        <source>2 Player</source>
        <translation>2 Spieler</translation>
    </message>
    <message>
        <source>Duel</source>
        <translation>Duell</translation>
    </message>
    <message>
        <source>4 or Less</source>
        <translation>4 oder weniger</translation>
    </message>
    <message>
        <source>Player DM</source>
        <translation>Spieler-DM</translation>
    </message>
    <message>
        <source>More than </source>
        <translation>Mehr als </translation>
    </message>
    <message>
        <source>4 Player DM</source>
        <translation>4 Spieler-DM</translation>
    </message>
    <message>
        <source>CTF</source>
        <translation>CTF</translation>
    </message>
    <message>
        <source>Team DM</source>
        <translation>Team-DM</translation>
    </message>
    <message>
        <source>(By Skin)</source>
        <translation>(nach Skin)</translation>
    </message>
    <message>
        <source>(By Model)</source>
        <translation>(nach Modell)</translation>
    </message>
    <message>
        <source>Flags [DM and Teamplay]</source>
        <translation>Flags [DM und Teamplay]</translation>
    </message>
    <message>
        <source>Basic DMFlag selection</source>
        <translation>Grundlegende DMFlags</translation>
    </message>
    <message>
        <source>Flags [CTF]</source>
        <translation>Flags [CTF]</translation>
    </message>
    <message>
        <source>CTF DMFlag selection</source>
        <translation>DMFlags für CTF</translation>
    </message>
    <message>
        <source>End game when this cap-limit is reached</source>
        <translation>Spiel endet, wenn dieses Capture-Limit erreicht ist</translation>
    </message>
    <message>
        <source>Capture Limit of</source>
        <translation>Capture-Limit</translation>
    </message>
    <message>
        <source>(Use 0 for no limit)</source>
        <translation>(0 für kein Limit)</translation>
    </message>
    <message>
        <source>Game Setup</source>
        <translation>Spielart</translation>
    </message>
    <message>
        <source>Click a button and DMFlags will be auto-set to this default</source>
        <translation>Ein Klick auf einen Button setzt die DMFlags auf diese Vorgabe</translation>
    </message>
    <message>
        <source>Maintain Minimum No. of players of</source>
        <translation>Mindestzahl Spieler halten:</translation>
    </message>
    <message>
        <source>The buttons below can be used to quickly set pre programmed DM Flags. Just find the type of game you wish to play and hit the appropriate button and all Flags will be set to their optimum setting for that kind of game.</source>
        <translation>Mit den Buttons unten lassen sich vorbereitete DM-Flags schnell setzen. Such dir die Art von Spiel aus, die du spielen willst, klick auf den passenden Button, und alle Flags stehen auf der besten Einstellung dafür.</translation>
    </message>
    <message>
        <source>DM Flag Total</source>
        <translation>DM-Flag-Summe</translation>
    </message>
    <message>
        <source>Auto-set DMFlags</source>
        <translation>DMFlags-Vorgaben</translation>
    </message>
    <message>
        <source>DM Flags Setting</source>
        <translation>DM-Flags-Einstellung</translation>
    </message>
    <message>
        <source>Type custom DMFlags setting in here</source>
        <translation>Eigene DMFlags-Einstellung hier eingeben</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Setzen</translation>
    </message>
    <message>
        <source>Set DMFlags to user&apos;s setting</source>
        <translation>DMFlags auf die eigene Einstellung setzen</translation>
    </message>
    <message>
        <source>This is the final figure, calculated from the above settings. If preferred, you can enter a number directly into this box and set flags by pressing the &apos;Set&apos; button.</source>
        <translation>Dies ist die Summe, berechnet aus den Einstellungen oben. Wenn du willst, kannst du direkt eine Zahl in dieses Feld eingeben und die Flags mit „Setzen“ übernehmen.</translation>
    </message>
    <message>
        <source> in the total</source>
        <translation> in der Summe</translation>
    </message>
</context>
<context>
    <name>ExecFile</name>
    <message>
        <source>it holds a double quote, which would end its value early</source>
        <translation>sie enthält ein doppeltes Anführungszeichen, das ihren Wert zu früh beenden würde</translation>
    </message>
    <message>
        <source>it holds a line break, which would end its command</source>
        <translation>sie enthält einen Zeilenumbruch, der ihren Befehl beenden würde</translation>
    </message>
    <message>
        <source>its command would pass the 1,023 bytes the engine runs of a command</source>
        <translation>ihr Befehl wäre länger als die 1.023 Bytes, die die Engine von einem Befehl ausführt</translation>
    </message>
    <message>
        <source>the engine refuses a player name or skin that holds &quot;\&quot;, &quot;;&quot; or a double quote</source>
        <translation>die Engine lehnt Spielernamen oder Skins ab, die „\“, „;“ oder ein doppeltes Anführungszeichen enthalten</translation>
    </message>
    <message>
        <source>the engine sends no player name or skin of 64 bytes or more to the server</source>
        <translation>die Engine schickt keinen Spielernamen oder Skin mit 64 Bytes oder mehr an den Server</translation>
    </message>
    <message>
        <source>it is empty, and the engine sends no empty name to the server</source>
        <translation>er ist leer, und die Engine schickt keinen leeren Namen an den Server</translation>
    </message>
    <message>
        <source>the engine refuses a server setting that holds &quot;\&quot;, &quot;;&quot; or a double quote</source>
        <translation>die Engine lehnt Server-Einstellungen ab, die „\“, „;“ oder ein doppeltes Anführungszeichen enthalten</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>er ist leer</translation>
    </message>
    <message>
        <source>the engine looks up only the first 63 bytes of a script&apos;s name</source>
        <translation>die Engine liest nur die ersten 63 Bytes eines Skriptnamens</translation>
    </message>
    <message>
        <source>the engine makes no folders for a demo name that holds &quot;..&quot;</source>
        <translation>die Engine legt keine Ordner für einen Demo-Namen an, der „..“ enthält</translation>
    </message>
    <message>
        <source>a file or folder name in it would be longer than 255 bytes</source>
        <translation>ein Datei- oder Ordnername darin wäre länger als 255 Bytes</translation>
    </message>
    <message>
        <source>the engine keeps this key for its menu and console: it cannot be bound</source>
        <translation>die Engine hält diese Taste für ihr Menü und die Konsole frei: Sie lässt sich nicht belegen</translation>
    </message>
    <message>
        <source>the engine knows no key of this name</source>
        <translation>die Engine kennt keine Taste dieses Namens</translation>
    </message>
    <message>
        <source>the map command reads &quot;+&quot;, &quot;$&quot; and a leading &quot;*&quot; as settings of their own</source>
        <translation>der map-Befehl liest „+“, „$“ und ein führendes „*“ als eigene Einstellungen</translation>
    </message>
    <message>
        <source>it holds &quot;;&quot;, a double quote or a control character</source>
        <translation>er enthält „;“, ein doppeltes Anführungszeichen oder ein Steuerzeichen</translation>
    </message>
    <message>
        <source>it holds &quot;;&quot;, a double quote or a control character, which would break the map list</source>
        <translation>er enthält „;“, ein doppeltes Anführungszeichen oder ein Steuerzeichen, die die Map-Liste zerbrechen würden</translation>
    </message>
    <message>
        <source>it holds a blank or a comma, where the game splits the map list</source>
        <translation>er enthält ein Leerzeichen oder Komma, an dem das Spiel die Map-Liste teilt</translation>
    </message>
    <message>
        <source>the map list would pass the 1,023 bytes the engine runs of a command</source>
        <translation>die Map-Liste wäre länger als die 1.023 Bytes, die die Engine von einem Befehl ausführt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>These rotation entries are left out of the exec file:</source>
        <translation>Diese Einträge der Rotation bleiben aus der Exec-Datei draußen:</translation>
    </message>
    <message>
        <source>These rotation entries are left out of the exec file, since the engine would not take them as the maps they name:</source>
        <translation>Diese Einträge der Rotation bleiben aus der Exec-Datei draußen, da die Engine sie nicht als die Maps nähme, die sie nennen:</translation>
    </message>
    <message>
        <source>The deathmatch flags</source>
        <translation>Die Deathmatch-Flags</translation>
    </message>
    <message>
        <source>The player name</source>
        <translation>Der Spielername</translation>
    </message>
    <message>
        <source>The player skin</source>
        <translation>Der Spieler-Skin</translation>
    </message>
    <message>
        <source>The mouse sensitivity</source>
        <translation>Die Mausempfindlichkeit</translation>
    </message>
    <message>
        <source>The extra config file name</source>
        <translation>Der Name der zusätzlichen Konfig-Datei</translation>
    </message>
    <message>
        <source>The demo name</source>
        <translation>Der Demo-Name</translation>
    </message>
    <message>
        <source>The selected map</source>
        <translation>Die gewählte Map</translation>
    </message>
    <message>
        <source>The bind key</source>
        <translation>Die Bind-Taste</translation>
    </message>
    <message>
        <source>The command bound to %1</source>
        <translation>Der auf %1 gelegte Befehl</translation>
    </message>
</context>
<context>
    <name>ExecLinesModel</name>
    <message>
        <source>Bot Cfg</source>
        <translation>Bot-Cfg</translation>
    </message>
    <message>
        <source>DM Flags</source>
        <translation>DM-Flags</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Misc.</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Binds</source>
        <translation>Binds</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Exec file</source>
        <translation>Exec-Datei</translation>
    </message>
</context>
<context>
    <name>ExecPreview</name>
    <message>
        <source>Exec File Preview</source>
        <translation>Exec-Datei-Vorschau</translation>
    </message>
    <message>
        <source>Double-click a line, or press Return on it, to go to the setting it comes from</source>
        <translation>Doppelklick auf eine Zeile oder Eingabe darauf springt zur Einstellung, aus der sie stammt</translation>
    </message>
    <message>
        <source>Exec file lines</source>
        <translation>Zeilen der Exec-Datei</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No problems found</source>
        <translation>Keine Probleme gefunden</translation>
    </message>
    <message>
        <source>Save Exec File As</source>
        <translation>Exec-Datei speichern unter</translation>
    </message>
    <message>
        <source>Console scripts (*.cfg);;All files (*)</source>
        <translation>Konsolenskripte (*.cfg);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>FileCheck</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>sie ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Schreiben nach %1 nicht möglich</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>sie existiert nicht</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes were written</source>
        <translation>Nur %1 von %2 Bytes wurden geschrieben</translation>
    </message>
</context>
<context>
    <name>GameContent</name>
    <message>
        <source>%1 holds no files. The engine stops at its start when it finds it.</source>
        <translation>%1 enthält keine Dateien. Die Engine bricht beim Start ab, wenn sie es findet.</translation>
    </message>
    <message>
        <source>%1 inside %2</source>
        <translation>%1 in %2</translation>
    </message>
</context>
<context>
    <name>GamePage</name>
    <message>
        <source>Auto Restart Match</source>
        <translation>Auto-Neustart</translation>
    </message>
    <message>
        <source>No Items</source>
        <translation>Keine Items</translation>
    </message>
    <message>
        <source>Self Damage</source>
        <translation>Eigenschaden</translation>
    </message>
    <message>
        <source>Health Protect</source>
        <translation>Lebensschutz</translation>
    </message>
    <message>
        <source>Armour Protect</source>
        <translation>Rüstungsschutz</translation>
    </message>
    <message>
        <source>Shotgun</source>
        <translation>Shotgun</translation>
    </message>
    <message>
        <source>Super Shotgun</source>
        <translation>Super Shotgun</translation>
    </message>
    <message>
        <source>Machine Gun</source>
        <translation>Machine Gun</translation>
    </message>
    <message>
        <source>Chaingun</source>
        <translation>Chaingun</translation>
    </message>
    <message>
        <source>Grenade Launcher</source>
        <translation>Grenade Launcher</translation>
    </message>
    <message>
        <source>Rocket Launcher</source>
        <translation>Rocket Launcher</translation>
    </message>
    <message>
        <source>Hyperblaster</source>
        <translation>Hyperblaster</translation>
    </message>
    <message>
        <source>Railgun</source>
        <translation>Railgun</translation>
    </message>
    <message>
        <source>BFG</source>
        <translation>BFG</translation>
    </message>
    <message>
        <source>Armour</source>
        <translation>Rüstung</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Leben</translation>
    </message>
    <message>
        <source>Shells</source>
        <translation>Shells</translation>
    </message>
    <message>
        <source>Bullets</source>
        <translation>Bullets</translation>
    </message>
    <message>
        <source>Slugs</source>
        <translation>Slugs</translation>
    </message>
    <message>
        <source>Grenades</source>
        <translation>Grenades</translation>
    </message>
    <message>
        <source>Rockets</source>
        <translation>Rockets</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>Cells</translation>
    </message>
    <message>
        <source>Server Configuration</source>
        <translation>Server-Konfiguration</translation>
    </message>
    <message>
        <source>Miscellaneous Server Config. options</source>
        <translation>Weitere Optionen der Server-Konfiguration</translation>
    </message>
    <message>
        <source>Frag Limit</source>
        <translation>Frag-Limit</translation>
    </message>
    <message>
        <source>Time Limit</source>
        <translation>Zeitlimit</translation>
    </message>
    <message>
        <source>Max. Clients</source>
        <translation>Max. Clients</translation>
    </message>
    <message>
        <source>Dedicated Server</source>
        <translation>Dedizierter Server</translation>
    </message>
    <message>
        <source>Allow Cheats</source>
        <translation>Cheats erlauben</translation>
    </message>
    <message>
        <source>Mod to Play</source>
        <translation>Gespielte Mod</translation>
    </message>
    <message>
        <source>Regular Deathmatch</source>
        <translation>Normales Deathmatch</translation>
    </message>
    <message>
        <source>Capture the Flag</source>
        <translation>Capture the Flag</translation>
    </message>
    <message>
        <source>Rocket Arena</source>
        <translation>Rocket Arena</translation>
    </message>
    <message>
        <source>Xatrix</source>
        <translation>Xatrix</translation>
    </message>
    <message>
        <source>Rogue</source>
        <translation>Rogue</translation>
    </message>
    <message>
        <source>Options / Flags</source>
        <translation>Optionen / Flags</translation>
    </message>
    <message>
        <source>Enabled Weapons</source>
        <translation>Erlaubte Waffen</translation>
    </message>
    <message>
        <source>Initial Player Stats./Ammo Levels</source>
        <translation>Startwerte Spieler/Munition</translation>
    </message>
    <message>
        <source>Team Options</source>
        <translation>Team-Optionen</translation>
    </message>
    <message>
        <source>Auto-assign Bots to the Teams</source>
        <translation>Bots automatisch auf Teams verteilen</translation>
    </message>
    <message>
        <source>Force Bots onto Team...</source>
        <translation>Bots in ein Team zwingen...</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
</context>
<context>
    <name>GameStart</name>
    <message>
        <source>it is a directory</source>
        <translation>sie ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>it is not marked as executable</source>
        <translation>sie ist nicht als ausführbar markiert</translation>
    </message>
    <message>
        <source>Could not start %1: %2</source>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>Error: Path to Quake2.exe is incorrect<byte value="xd"/><byte value="xd"/>%1 does not exist.</source>
        <translation>Fehler: Der Pfad zu Quake2.exe ist falsch<byte value="xd"/><byte value="xd"/>%1 existiert nicht.</translation>
    </message>
</context>
<context>
    <name>Headless</name>
    <message>
        <source>No profile %1</source>
        <translation>Kein Profil %1</translation>
    </message>
    <message>
        <source>%1 was not read: %2.</source>
        <translation>%1 wurde nicht gelesen: %2.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The profile was loaded only up to that error; nothing was written.</source>
        <translation>Das Profil wurde nur bis zu diesem Fehler geladen; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Nothing was written and the game was not started; --force goes on all the same.</source>
        <translation>Es wurde nichts geschrieben und das Spiel nicht gestartet; --force macht trotzdem weiter.</translation>
    </message>
    <message>
        <source>Nothing was written; --force writes it all the same.</source>
        <translation>Es wurde nichts geschrieben; --force schreibt es trotzdem.</translation>
    </message>
    <message>
        <source>The game was not started; --force starts it all the same.</source>
        <translation>Das Spiel wurde nicht gestartet; --force startet es trotzdem.</translation>
    </message>
    <message>
        <source>There was no desktop entry to remove.</source>
        <translation>Es gab keinen Desktop-Eintrag zum Entfernen.</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>MapCatalogue</name>
    <message>
        <source>The map title file %1 was not read: %2. The maps are listed without their titles, and a changed title is not stored.</source>
        <translation>Die Map-Titeldatei %1 wurde nicht gelesen: %2. Die Maps werden ohne ihre Titel aufgeführt, und ein geänderter Titel wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>These maps are left out of the map list:</source>
        <translation>Diese Maps bleiben aus der Map-Liste draußen:</translation>
    </message>
</context>
<context>
    <name>MapPage</name>
    <message>
        <source>Map Lists (*.lst);;All Files (*)</source>
        <translation>Map-Listen (*.lst);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Map Selection</source>
        <translation>Map-Auswahl</translation>
    </message>
    <message>
        <source>Maps currently available to play (.AAS must exist)</source>
        <translation>Jetzt spielbare Maps (.AAS muss vorhanden sein)</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Enter/Alter Map &amp;Title</source>
        <translation>Map-&amp;Titel eingeben/ändern</translation>
    </message>
    <message>
        <source>Refresh Map List</source>
        <translation>Map-Liste neu laden</translation>
    </message>
    <message>
        <source>No Map chosen</source>
        <translation>Keine Map gewählt</translation>
    </message>
    <message>
        <source>Currently Selected Map</source>
        <translation>Aktuell gewählte Map</translation>
    </message>
    <message>
        <source>Map Rotation</source>
        <translation>Map-Rotation</translation>
    </message>
    <message>
        <source>Map Rotation allows you to play maps in this order</source>
        <translation>Mit der Map-Rotation spielst du Maps in dieser Reihenfolge</translation>
    </message>
    <message>
        <source>Enable Rotation</source>
        <translation>Rotation an</translation>
    </message>
    <message>
        <source>Enable / Disable rotation</source>
        <translation>Rotation ein-/ausschalten</translation>
    </message>
    <message>
        <source>Add to Ro&amp;tation</source>
        <translation>Zur &amp;Rotation</translation>
    </message>
    <message>
        <source>Add Selected Map to Rotation</source>
        <translation>Gewählte Map zur Rotation hinzufügen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Map in Rotation List Up</source>
        <translation>Map in der Rotationsliste nach oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Move Map in Rotation List Down</source>
        <translation>Map in der Rotationsliste nach unten</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>Lösch&amp;en</translation>
    </message>
    <message>
        <source>Delete Selected Map from Rotation</source>
        <translation>Gewählte Map aus der Rotation löschen</translation>
    </message>
    <message>
        <source>Delete &amp;All</source>
        <translation>&amp;Alle löschen</translation>
    </message>
    <message>
        <source>Delete All Maps from Rotation</source>
        <translation>Alle Maps aus der Rotation löschen</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>Misc&amp;hen</translation>
    </message>
    <message>
        <source>Randomize order of Maps in Rotation List</source>
        <translation>Reihenfolge der Maps in der Rotationsliste mischen</translation>
    </message>
    <message>
        <source>Rotation File</source>
        <translation>Rotationsdatei</translation>
    </message>
    <message>
        <source>Select Filename to save map rotation file as</source>
        <translation>Dateiname, unter dem die Rotationsdatei gespeichert wird</translation>
    </message>
    <message>
        <source>Map rotation filename</source>
        <translation>Name der Rotationsdatei</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Select new Rotation List Filename</source>
        <translation>Neuen Dateinamen für die Rotationsliste wählen</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Load a Map Rotation List file</source>
        <translation>Eine Rotationsliste laden</translation>
    </message>
    <message>
        <source>in the list</source>
        <translation>in der Liste</translation>
    </message>
    <message>
        <source>Enter/Alter Map Title</source>
        <translation>Map-Titel eingeben/ändern</translation>
    </message>
    <message>
        <source>Please enter Title of Map: </source>
        <translation>Bitte den Titel der Map eingeben: </translation>
    </message>
    <message>
        <source>Enter Filename for new Map Rotation File</source>
        <translation>Dateiname der neuen Rotationsdatei eingeben</translation>
    </message>
</context>
<context>
    <name>MiscPage</name>
    <message>
        <source>Additional Parameters/Commands</source>
        <translation>Zusätzliche Parameter/Befehle</translation>
    </message>
    <message>
        <source>Additional Parameters to exec. at console when game starts</source>
        <translation>Zusätzliche Parameter, die beim Spielstart in der Konsole laufen</translation>
    </message>
    <message>
        <source>Here you can specify any additional console commands / Configs. you want to exec. when Quake2 starts that Tarrakind! does not have a specific option for.</source>
        <translation>Hier kannst du weitere Konsolenbefehle / Konfigs angeben, die beim Start von Quake2 laufen sollen und für die Tarrakind! keine eigene Option hat.</translation>
    </message>
    <message>
        <source>Demo Control</source>
        <translation>Demo-Steuerung</translation>
    </message>
    <message>
        <source>Demo recording settings</source>
        <translation>Einstellungen der Demo-Aufnahme</translation>
    </message>
    <message>
        <source>Record a Demo</source>
        <translation>Demo aufnehmen</translation>
    </message>
    <message>
        <source>Check box to record a Demo</source>
        <translation>Ankreuzen, um eine Demo aufzunehmen</translation>
    </message>
    <message>
        <source>Filename of Demo</source>
        <translation>Dateiname der Demo</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Overwrite existing File</source>
        <translation>Vorhandene Datei überschreiben</translation>
    </message>
    <message>
        <source>Overwrites existing Demo file</source>
        <translation>Überschreibt eine vorhandene Demo-Datei</translation>
    </message>
    <message>
        <source>Use sequential Filenames</source>
        <translation>Fortlaufende Dateinamen</translation>
    </message>
    <message>
        <source>Alters Demo filename so no File is overwritten</source>
        <translation>Ändert den Demo-Dateinamen, damit keine Datei überschrieben wird</translation>
    </message>
    <message>
        <source>Here you can specify to auto-record a demo. If you wish to keep demos, tick the Sequential Filenames box and Tarrakind! will check for existing demos with that filename and make sure it is not overwritten.</source>
        <translation>Hier kannst du eine Demo automatisch aufnehmen lassen. Wenn du Demos behalten willst, kreuze „Fortlaufende Dateinamen“ an: Tarrakind! sucht dann nach Demos mit diesem Namen und sorgt dafür, dass keine überschrieben wird.</translation>
    </message>
    <message>
        <source>Extra Config. File</source>
        <translation>Zusätzliche Konfig-Datei</translation>
    </message>
    <message>
        <source>Allows user to specify extra .cfg file</source>
        <translation>Erlaubt eine zusätzliche .cfg-Datei</translation>
    </message>
    <message>
        <source>Use extra config. file</source>
        <translation>Zusätzliche Konfig-Datei nutzen</translation>
    </message>
    <message>
        <source>Check to specify external .cfg file to exec</source>
        <translation>Ankreuzen, um eine externe .cfg-Datei auszuführen</translation>
    </message>
    <message>
        <source>Name of config. file</source>
        <translation>Name der Konfig-Datei</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Here you can specify an additional config (.cfg) file you want Tarrakind! to automatically exec. for you when the game is run.</source>
        <translation>Hier kannst du eine zusätzliche Konfig-Datei (.cfg) angeben, die Tarrakind! beim Spielstart automatisch für dich ausführt.</translation>
    </message>
</context>
<context>
    <name>NameRules</name>
    <message>
        <source> a name cannot hold a line break or another control character, &quot;;&quot; or a double quote, which would break the exec file&apos;s console lines.
</source>
        <translation> ein Name darf keinen Zeilenumbruch oder ein anderes Steuerzeichen, kein „;“ und kein doppeltes Anführungszeichen enthalten, die die Konsolenzeilen der Exec-Datei zerbrechen würden.
</translation>
    </message>
    <message>
        <source>it names no file</source>
        <translation>er nennt keine Datei</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>er enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>it is longer than a file name can be</source>
        <translation>er ist länger, als ein Dateiname sein kann</translation>
    </message>
    <message>
        <source>it holds a directory part</source>
        <translation>er enthält einen Verzeichnisteil</translation>
    </message>
    <message>
        <source>it names a directory</source>
        <translation>er nennt ein Verzeichnis</translation>
    </message>
    <message>
        <source>it is an absolute path</source>
        <translation>er ist ein absoluter Pfad</translation>
    </message>
    <message>
        <source>it holds a backslash, which Windows reads as a directory separator</source>
        <translation>er enthält einen Backslash, den Windows als Verzeichnistrenner liest</translation>
    </message>
    <message>
        <source>it leads out of its directory through &quot;..&quot;</source>
        <translation>er führt über „..“ aus seinem Verzeichnis hinaus</translation>
    </message>
    <message>
        <source>it is a link that leads out of its directory</source>
        <translation>er ist ein Link, der aus seinem Verzeichnis hinausführt</translation>
    </message>
    <message>
        <source>%1 names &quot;%2&quot; as %3, which is not used: %4. The setting is taken as missing.</source>
        <translation>%1 nennt „%2“ als %3, was nicht verwendet wird: %4. Die Einstellung gilt als nicht vorhanden.</translation>
    </message>
</context>
<context>
    <name>PakFile</name>
    <message>
        <source>%1 is not a pak file: it does not begin with a pak header. The engine stops at its start when it finds it.</source>
        <translation>%1 ist keine Pak-Datei: Sie beginnt nicht mit einem Pak-Header. Die Engine bricht beim Start ab, wenn sie sie findet.</translation>
    </message>
    <message>
        <source>%1 lists no files: its header is damaged. The engine stops at its start when it finds it.</source>
        <translation>%1 führt keine Dateien auf: Ihr Header ist beschädigt. Die Engine bricht beim Start ab, wenn sie sie findet.</translation>
    </message>
    <message>
        <source>%1 is cut short: its list of files reaches past its end. The files listed after the cut cannot be read.</source>
        <translation>%1 ist abgeschnitten: Ihre Dateiliste reicht über ihr Ende hinaus. Die Dateien nach dem Schnitt lassen sich nicht lesen.</translation>
    </message>
    <message>
        <source>%1 lists more than %2 files; only the first %2 are looked at.</source>
        <translation>%1 führt mehr als %2 Dateien auf; nur die ersten %2 werden angesehen.</translation>
    </message>
</context>
<context>
    <name>PcxDecoder</name>
    <message>
        <source>unrecognized PCX</source>
        <translation>unbekanntes PCX-Format</translation>
    </message>
</context>
<context>
    <name>PlayerLists</name>
    <message>
        <source>These player models are left out of the model list:</source>
        <translation>Diese Spielermodelle bleiben aus der Modellliste draußen:</translation>
    </message>
    <message>
        <source>These skins are left out of the skin list:</source>
        <translation>Diese Skins bleiben aus der Skin-Liste draußen:</translation>
    </message>
</context>
<context>
    <name>PlayerPage</name>
    <message>
        <source>Player Customisation</source>
        <translation>Spieler-Einstellungen</translation>
    </message>
    <message>
        <source>Specify Player custom setup Info.</source>
        <translation>Eigene Spieler-Einstellungen</translation>
    </message>
    <message>
        <source>Click to specify Player Setup options</source>
        <translation>Klicken, um Spieler-Optionen festzulegen</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Player Model</source>
        <translation>Spielermodell</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>Player Skin</source>
        <translation>Spieler-Skin</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Player Handedness</source>
        <translation>Händigkeit des Spielers</translation>
    </message>
    <message>
        <source>Crosshair</source>
        <translation>Zielkreuz</translation>
    </message>
    <message>
        <source>Player&apos;s Crosshair</source>
        <translation>Fadenkreuz des Spielers</translation>
    </message>
    <message>
        <source>Skin Preview</source>
        <translation>Skin-Vorschau</translation>
    </message>
    <message>
        <source>Preview of Player&apos;s Skin</source>
        <translation>Vorschau des Spieler-Skins</translation>
    </message>
    <message>
        <source>Misc. Settings</source>
        <translation>Weitere Einstellungen</translation>
    </message>
    <message>
        <source>Specify Client Lag (ms)</source>
        <translation>Client-Lag (ms)</translation>
    </message>
    <message>
        <source>Lag Fluctuation (ms)</source>
        <translation>Lag-Schwankung (ms)</translation>
    </message>
    <message>
        <source>Specify Max FPS of</source>
        <translation>Max. FPS:</translation>
    </message>
    <message>
        <source>Click to specify max FPS</source>
        <translation>Klicken, um die max. FPS festzulegen</translation>
    </message>
    <message>
        <source>Max FPS setting</source>
        <translation>Einstellung der max. FPS</translation>
    </message>
    <message>
        <source>Mouse Sensitivity</source>
        <translation>Mausempfindlichkeit</translation>
    </message>
    <message>
        <source>Specify Mouse Sensitivity</source>
        <translation>Eigene Empfindlichkeit</translation>
    </message>
    <message>
        <source>Click to specify mouse speed</source>
        <translation>Klicken, um die Mausgeschwindigkeit festzulegen</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
</context>
<context>
    <name>PreLaunchCheck</name>
    <message>
        <source>The exec file is %1 bytes long. The engine&apos;s buffer of %2 bytes takes a script of at most %3 bytes with the line end it adds, so not one of its lines would run. Select fewer bots or shorten the additional commands.</source>
        <translation>Die Exec-Datei ist %1 Bytes lang. Der Puffer der Engine von %2 Bytes nimmt ein Skript von höchstens %3 Bytes samt dem Zeilenende, das sie anhängt, also liefe keine einzige ihrer Zeilen. Wähle weniger Bots oder kürze die zusätzlichen Befehle.</translation>
    </message>
    <message>
        <source>%1 is too long for the engine&apos;s buffer of %2 bytes, which takes a script of at most %3 bytes: the engine drops it whole, and not one of its lines runs.</source>
        <translation>%1 ist zu lang für den Puffer der Engine von %2 Bytes, der ein Skript von höchstens %3 Bytes nimmt: Die Engine verwirft es ganz, und keine seiner Zeilen läuft.</translation>
    </message>
    <message>
        <source>The exec file runs itself (&quot;exec tark.cfg&quot;) again and again, each time in front of what is still waiting to run, until the engine&apos;s buffer of %1 bytes overflows: the engine stops with a fatal error and the game ends.</source>
        <translation>Die Exec-Datei führt sich selbst („exec tark.cfg“) immer wieder aus, jedes Mal vor dem, was noch auf Ausführung wartet, bis der Puffer der Engine von %1 Bytes überläuft: Die Engine hält mit einem fatalen Fehler an, und das Spiel endet.</translation>
    </message>
    <message>
        <source>When the exec file runs &quot;exec %1&quot;, the engine puts the %2 bytes of %1 in front of the %3 bytes still waiting to run. Both do not fit into its buffer of %4 bytes: the engine stops with a fatal error and the game ends. Shorten %1 or the exec file.</source>
        <translation>Wenn die Exec-Datei „exec %1“ ausführt, setzt die Engine die %2 Bytes von %1 vor die %3 Bytes, die noch warten. Beides passt nicht in ihren Puffer von %4 Bytes: Die Engine hält mit einem fatalen Fehler an, und das Spiel endet. Kürze %1 oder die Exec-Datei.</translation>
    </message>
    <message>
        <source>the profile holds a longer line, of which the launcher read the first 1,023 characters</source>
        <translation>das Profil enthält eine längere Zeile, von der der Launcher die ersten 1.023 Zeichen gelesen hat</translation>
    </message>
    <message>
        <source>the engine reads the exec file only up to its NUL byte: nothing after it runs</source>
        <translation>die Engine liest die Exec-Datei nur bis zu ihrem NUL-Byte: Nichts danach läuft</translation>
    </message>
    <message>
        <source>a command of %1 bytes, of which the engine runs the first 1,023</source>
        <translation>ein Befehl von %1 Bytes, von denen die Engine die ersten 1.023 ausführt</translation>
    </message>
    <message>
        <source>the cut drops a closing double quote, so the engine discards the command</source>
        <translation>der Schnitt entfernt ein schließendes doppeltes Anführungszeichen, daher verwirft die Engine den Befehl</translation>
    </message>
    <message>
        <source>a double quote without its pair, so the engine discards the command</source>
        <translation>ein doppeltes Anführungszeichen ohne Gegenstück, daher verwirft die Engine den Befehl</translation>
    </message>
    <message>
        <source>the engine discards a command: &quot;%1&quot;</source>
        <translation>die Engine verwirft einen Befehl: „%1“</translation>
    </message>
    <message>
        <source>a quoted word is not closed, and what the engine then runs is not defined</source>
        <translation>ein Wort in Anführungszeichen ist nicht geschlossen, und was die Engine dann ausführt, ist nicht festgelegt</translation>
    </message>
    <message>
        <source>the engine keeps the first 80 words of a command</source>
        <translation>die Engine behält die ersten 80 Wörter eines Befehls</translation>
    </message>
    <message>
        <source>the engine empties a word of 1,024 bytes or more</source>
        <translation>die Engine leert ein Wort von 1.024 Bytes oder mehr</translation>
    </message>
    <message>
        <source>the engine takes what follows &quot;//&quot; for a comment</source>
        <translation>die Engine hält, was auf „//“ folgt, für einen Kommentar</translation>
    </message>
    <message>
        <source>the engine replaces %1 by the value of the console variable of that name (nothing when there is none)</source>
        <translation>die Engine ersetzt %1 durch den Wert der gleichnamigen Konsolenvariablen (durch nichts, wenn es keine gibt)</translation>
    </message>
    <message>
        <source>the engine runs it as %1 commands</source>
        <translation>die Engine führt es als %1 Befehle aus</translation>
    </message>
    <message>
        <source>its values hold double quotes, so the engine reads them as %1</source>
        <translation>ihre Werte enthalten doppelte Anführungszeichen, daher liest die Engine sie als %1</translation>
    </message>
    <message>
        <source>Line %1 of the additional commands (&quot;%2&quot;): %3.</source>
        <translation>Zeile %1 der zusätzlichen Befehle („%2“): %3.</translation>
    </message>
    <message>
        <source>The bot line &quot;%1&quot;: %2.</source>
        <translation>Die Bot-Zeile „%1“: %2.</translation>
    </message>
    <message>
        <source>The line of the bot %1: %2.</source>
        <translation>Die Zeile des Bots %1: %2.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is left out of the exec file: %3.</source>
        <translation>%1 „%2“ bleibt aus der Exec-Datei draußen: %3.</translation>
    </message>
    <message>
        <source>Line %1 of the additional commands</source>
        <translation>Zeile %1 der zusätzlichen Befehle</translation>
    </message>
    <message>
        <source>The line of the bot %1</source>
        <translation>Die Zeile des Bots %1</translation>
    </message>
    <message>
        <source>The script %1</source>
        <translation>Das Skript %1</translation>
    </message>
    <message>
        <source>Line %1 of the exec file</source>
        <translation>Zeile %1 der Exec-Datei</translation>
    </message>
    <message>
        <source>the map&apos;s start sets it to 800, or to the gravity the map asks for</source>
        <translation>der Start der Map setzt ihn auf 800 oder auf die Schwerkraft, die die Map verlangt</translation>
    </message>
    <message>
        <source>a deathmatch server sets it to 0 as the map starts</source>
        <translation>ein Deathmatch-Server setzt ihn beim Start der Map auf 0</translation>
    </message>
    <message>
        <source>line %1 of the exec file (&quot;%2&quot;) sets it again later</source>
        <translation>Zeile %1 der Exec-Datei („%2“) setzt ihn später noch einmal</translation>
    </message>
    <message>
        <source>%1 sets %2 to &quot;%3&quot;, but %4.</source>
        <translation>%1 setzt %2 auf „%3“, aber %4.</translation>
    </message>
    <message>
        <source>Max. Clients is %1, but a deathmatch server starts with %2 places instead.</source>
        <translation>Max. Clients ist %1, aber ein Deathmatch-Server startet stattdessen mit %2 Plätzen.</translation>
    </message>
    <message>
        <source>%1 bots are selected, but the server has room for %2: on a dedicated server the bots join when the first player enters, who takes one of the %3 places first. The others would not join.</source>
        <translation>%1 Bots sind gewählt, aber der Server hat Platz für %2: Auf einem dedizierten Server treten die Bots bei, wenn der erste Spieler hereinkommt, der zuerst einen der %3 Plätze belegt. Die übrigen kämen nicht ins Spiel.</translation>
    </message>
    <message>
        <source>%1 bots are selected, but the server has room for %2 (max clients, less one for you). The others would not join.</source>
        <translation>%1 Bots sind gewählt, aber der Server hat Platz für %2 (Max. Clients, abzüglich eines Platzes für dich). Die übrigen kämen nicht ins Spiel.</translation>
    </message>
    <message>
        <source>&quot;Record a Demo&quot; (no demo is recorded)</source>
        <translation>„Demo aufnehmen“ (es wird keine Demo aufgenommen)</translation>
    </message>
    <message>
        <source>the key binds</source>
        <translation>die Binds</translation>
    </message>
    <message>
        <source>the player set-up, the frame rate and the mouse sensitivity</source>
        <translation>die Spieler-Einstellungen, die Bildrate und die Mausempfindlichkeit</translation>
    </message>
    <message>
        <source>A dedicated server has no player of its own, so it ignores %1.</source>
        <translation>Ein dedizierter Server hat keinen eigenen Spieler, daher übergeht er %1.</translation>
    </message>
    <message>
        <source>The bind on the key &quot;%1&quot; never fires: the keyboard gives the engine lower-case letters. Bind &quot;%2&quot; instead.</source>
        <translation>Der Bind auf der Taste „%1“ löst nie aus: Die Tastatur gibt der Engine Kleinbuchstaben. Lege den Bind stattdessen auf „%2“.</translation>
    </message>
    <message>
        <source>The rotation names maps with no navigation file in the map list: %1. The bots cannot find their way on them.</source>
        <translation>Die Rotation nennt Maps ohne Navigationsdatei in der Map-Liste: %1. Die Bots finden sich auf ihnen nicht zurecht.</translation>
    </message>
    <message>
        <source>The executable &quot;%1&quot; is not a file right in the Quake II directory. LAUNCH! would run %2.</source>
        <translation>Die ausführbare Datei „%1“ liegt nicht direkt im Quake-II-Verzeichnis. LAUNCH! würde %2 starten.</translation>
    </message>
    <message>
        <source>%1 would run instead of the %2 in the launcher&apos;s directory: the engine finds it first. Delete or rename it.</source>
        <translation>%1 liefe statt der %2 im Verzeichnis des Launchers: Die Engine findet sie zuerst. Lösche oder benenne sie um.</translation>
    </message>
    <message>
        <source>The engine finds no map file (maps/&lt;name&gt;.bsp) for %1 anywhere it looks. The match stops where it would start on or change to such a map.</source>
        <translation>Die Engine findet nirgends, wo sie sucht, eine Map-Datei (maps/&lt;name&gt;.bsp) für %1. Das Match hält an, wo es auf einer solchen Map beginnen oder zu ihr wechseln würde.</translation>
    </message>
    <message>
        <source>The match may not go as set up:</source>
        <translation>Das Match läuft vielleicht nicht wie eingestellt:</translation>
    </message>
</context>
<context>
    <name>PrefsPage</name>
    <message>
        <source>General Options</source>
        <translation>Allgemeine Optionen</translation>
    </message>
    <message>
        <source>Leave Tarrakind! open when running Quake2</source>
        <translation>Tarrakind! geöffnet lassen, während Quake2 läuft</translation>
    </message>
    <message>
        <source>Click here to leave program open when running Quake2</source>
        <translation>Hier klicken, damit das Programm beim Start von Quake2 offen bleibt</translation>
    </message>
    <message>
        <source>Always Save current Profile on Program close</source>
        <translation>Profil beim Beenden immer speichern</translation>
    </message>
    <message>
        <source>Light-up button captions onMouseOver</source>
        <translation>Button-Beschriftungen unter der Maus hervorheben</translation>
    </message>
    <message>
        <source>Light up button caption when cursor is over them</source>
        <translation>Button-Beschriftung hervorheben, wenn der Mauszeiger darüber ist</translation>
    </message>
    <message>
        <source>Light-up colour</source>
        <translation>Leuchtfarbe</translation>
    </message>
    <message>
        <source>Use this colour (Click to change)</source>
        <translation>Diese Farbe verwenden (Klicken zum Ändern)</translation>
    </message>
    <message>
        <source>Check the match before launching</source>
        <translation>Match vor dem Start prüfen</translation>
    </message>
    <message>
        <source>Before the game starts, show what would make the match go wrong in the engine</source>
        <translation>Vor dem Spielstart zeigen, was das Match in der Engine scheitern ließe</translation>
    </message>
    <message>
        <source>Ask before discarding changed settings</source>
        <translation>Vor dem Verwerfen geänderter Einstellungen fragen</translation>
    </message>
    <message>
        <source>Before another profile is loaded or the program closes, offer to save settings that were changed</source>
        <translation>Bevor ein anderes Profil geladen wird oder das Programm endet, anbieten, geänderte Einstellungen zu speichern</translation>
    </message>
    <message>
        <source>These preferences are saved with the configuration profile and take effect at once. The light-up colour is used for the caption of the button under the mouse pointer.</source>
        <translation>Diese Einstellungen werden mit dem Profil gespeichert und wirken sofort. Die Leuchtfarbe gilt für die Beschriftung des Buttons unter dem Mauszeiger.</translation>
    </message>
    <message>
        <source>The language of the launcher&apos;s texts; System follows the desktop</source>
        <translation>Die Sprache der Texte des Launchers; System folgt dem Desktop</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>Spr&amp;ache:</translation>
    </message>
</context>
<context>
    <name>ProfileCommands</name>
    <message>
        <source>Tarrakind Setup Files (*.tsf)</source>
        <translation>Tarrakind-Setup-Dateien (*.tsf)</translation>
    </message>
    <message>
        <source>Save Config. File</source>
        <translation>Konfig-Datei speichern</translation>
    </message>
    <message>
        <source>Enter Filename for Config. File</source>
        <translation>Dateiname der Konfig-Datei eingeben</translation>
    </message>
    <message>
        <source>A QuikLoad button already exists with the name &apos;%1&apos;</source>
        <translation>Es gibt schon einen QuikLoad-Button namens &apos;%1&apos;</translation>
    </message>
    <message>
        <source>QuikLoad Input</source>
        <translation>QuikLoad-Eingabe</translation>
    </message>
    <message>
        <source>Enter caption of button to remove</source>
        <translation>Beschriftung des zu entfernenden Buttons eingeben</translation>
    </message>
</context>
<context>
    <name>ProfileKeys</name>
    <message>
        <source>it is not a text file</source>
        <translation>sie ist keine Textdatei</translation>
    </message>
    <message>
        <source>it is not a profile: it holds no section</source>
        <translation>sie ist kein Profil: Sie enthält keinen Abschnitt</translation>
    </message>
</context>
<context>
    <name>ProfileStore</name>
    <message>
        <source>The profile %1 was not read: %2. The settings take their default values, and saving will not replace the file.</source>
        <translation>Das Profil %1 wurde nicht gelesen: %2. Die Einstellungen nehmen ihre Vorgabewerte an, und Speichern ersetzt die Datei nicht.</translation>
    </message>
    <message>
        <source>%1 was only partly loaded. Saving now replaces its later settings with the values shown. Save anyway?</source>
        <translation>%1 wurde nur teilweise geladen. Speichern ersetzt jetzt seine späteren Einstellungen durch die angezeigten Werte. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>it was not read as a profile</source>
        <translation>sie wurde nicht als Profil gelesen</translation>
    </message>
    <message>
        <source>The changes to %1 cannot be saved: %2. Discard them? (Save As keeps them in another file.)</source>
        <translation>Die Änderungen an %1 können nicht gespeichert werden: %2. Verwerfen? („Speichern unter“ bewahrt sie in einer anderen Datei.)</translation>
    </message>
</context>
<context>
    <name>QuickLoadList</name>
    <message>
        <source>The quick-load list %1 was not read: %2. No quick-load buttons are shown, and saving will not replace the file.</source>
        <translation>Die Schnellladeliste %1 wurde nicht gelesen: %2. Es werden keine Schnellladebuttons gezeigt, und Speichern ersetzt die Datei nicht.</translation>
    </message>
</context>
<context>
    <name>Rotation</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Datei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Datei %1 kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>Sensitivity</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist kein gültiger Gleitkommawert</translation>
    </message>
</context>
<context>
    <name>SetupPage</name>
    <message>
        <source>Tarrakind Directory</source>
        <translation>Tarrakind-Verzeichnis</translation>
    </message>
    <message>
        <source>Path to current directory</source>
        <translation>Pfad zum aktuellen Verzeichnis</translation>
    </message>
    <message>
        <source>Tarrakind game directory</source>
        <translation>Tarrakind-Spielverzeichnis</translation>
    </message>
    <message>
        <source>Path to Quake2 executable</source>
        <translation>Pfad zur Quake2-Programmdatei</translation>
    </message>
    <message>
        <source>Quake2 executable to run. Can be altered</source>
        <translation>Zu startende Quake2-Programmdatei. Lässt sich ändern</translation>
    </message>
    <message>
        <source>Path to Executable</source>
        <translation>Pfad zum Programm</translation>
    </message>
    <message>
        <source>Current Directory</source>
        <translation>Aktuelles Verzeichnis</translation>
    </message>
    <message>
        <source>Game Directory</source>
        <translation>Spielverzeichnis</translation>
    </message>
    <message>
        <source>Config. Control</source>
        <translation>Konfig-Verwaltung</translation>
    </message>
    <message>
        <source>Name of Config. currently loaded</source>
        <translation>Name der geladenen Konfig</translation>
    </message>
    <message>
        <source>Currently Loaded Config</source>
        <translation>Geladene Konfig</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open existing Config.</source>
        <translation>Vorhandene Konfig öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save currently loaded Config.</source>
        <translation>Geladene Konfig speichern</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>Save currently loaded Config. as new File</source>
        <translation>Geladene Konfig als neue Datei speichern</translation>
    </message>
    <message>
        <source>User Defined Config. Quik-Loader</source>
        <translation>Eigener Konfig-Schnelllader</translation>
    </message>
    <message>
        <source>Click buttons to load that Config. New buttons may be added for convenience</source>
        <translation>Ein Klick auf einen Button lädt diese Konfig. Neue Buttons lassen sich hinzufügen</translation>
    </message>
    <message>
        <source>Add &amp;Current Config</source>
        <translation>Aktuelle &amp;Konfig dazu</translation>
    </message>
    <message>
        <source>Add new button for current Config.</source>
        <translation>Neuen Button für die aktuelle Konfig hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove a Button</source>
        <translation>Button &amp;entfernen</translation>
    </message>
    <message>
        <source>Remove a button</source>
        <translation>Einen Button entfernen</translation>
    </message>
    <message>
        <source>R&amp;emove all Buttons</source>
        <translation>&amp;Alle entfernen</translation>
    </message>
    <message>
        <source>Remove all buttons</source>
        <translation>Alle Buttons entfernen</translation>
    </message>
    <message>
        <source>Run game on click</source>
        <translation>Spiel per Klick starten</translation>
    </message>
    <message>
        <source>Check this box to auto-load and run Quake2 when a button is clicked</source>
        <translation>Ankreuzen, damit ein Klick auf einen Button die Konfig lädt und Quake2 startet</translation>
    </message>
    <message>
        <source>on the buttons</source>
        <translation>auf den Buttons</translation>
    </message>
    <message>
        <source>Click this button to load </source>
        <translation>Klicke auf diesen Button, um die Konfig </translation>
    </message>
    <message>
        <source> config.</source>
        <translation> zu laden.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Show the exec file that LAUNCH! will write</source>
        <translation>Die Exec-Datei zeigen, die LAUNCH! schreiben wird</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>About Tarrakind!</source>
        <translation>Über Tarrakind!</translation>
    </message>
    <message>
        <source>Close Tarrakind!</source>
        <translation>Tarrakind! schließen</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Setup</translation>
    </message>
    <message>
        <source>Bot &amp;Cfg</source>
        <translation>Bot-&amp;Cfg</translation>
    </message>
    <message>
        <source>&amp;DM Flags</source>
        <translation>&amp;DM-Flags</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>Spie&amp;l</translation>
    </message>
    <message>
        <source>&amp;Map</source>
        <translation>&amp;Map</translation>
    </message>
    <message>
        <source>M&amp;isc.</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Player</source>
        <translation>S&amp;pieler</translation>
    </message>
    <message>
        <source>&amp;Binds</source>
        <translation>&amp;Binds</translation>
    </message>
    <message>
        <source>Pre&amp;fs</source>
        <translation>Opt&amp;ionen</translation>
    </message>
    <message>
        <source>LAUNCH!</source>
        <translation>LAUNCH!</translation>
    </message>
    <message>
        <source>Launch Quake2 and Tarrakind Bot with these settings</source>
        <translation>Quake2 und den Tarrakind-Bot mit diesen Einstellungen starten</translation>
    </message>
    <message>
        <source> - by the Tarrakind team</source>
        <translation> - vom Tarrakind-Team</translation>
    </message>
    <message>
        <source>Launch anyway</source>
        <translation>Trotzdem starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The current settings were not saved.</source>
        <translation>Die aktuellen Einstellungen wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Schließen ohne Speichern</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>About Tarrakind!</source>
        <translation>Über Tarrakind!</translation>
    </message>
    <message>
        <source>Launch Utility for the v. cool Tarrakind Bot!</source>
        <translation>Start-Werkzeug für den sehr coolen Tarrakind-Bot!</translation>
    </message>
    <message>
        <source> Web:</source>
        <translation> Web:</translation>
    </message>
    <message>
        <source>Web: %1</source>
        <translation>Web: %1</translation>
    </message>
    <message>
        <source> Email:</source>
        <translation> Email:</translation>
    </message>
    <message>
        <source>Email: %1</source>
        <translation>E-Mail: %1</translation>
    </message>
    <message>
        <source>Tarrakind Bot available from:</source>
        <translation>Tarrakind-Bot erhältlich bei:</translation>
    </message>
    <message>
        <source>Tarrakind Bot available from: %1</source>
        <translation>Tarrakind-Bot erhältlich bei: %1</translation>
    </message>
    <message>
        <source>Free software: GNU GPL, version 2 or later</source>
        <translation>Freie Software: GNU GPL, Version 2 oder neuer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Press Return to open</source>
        <translation>Eingabe drücken zum Öffnen</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Edit Bot</source>
        <translation>Bot bearbeiten</translation>
    </message>
    <message>
        <source>Tarrakind Bot-Ed v0.11</source>
        <translation>Tarrakind Bot-Ed v0.11</translation>
    </message>
    <message>
        <source>Bot Name</source>
        <translation>Bot-Name</translation>
    </message>
    <message>
        <source>Bot Model</source>
        <translation>Bot-Modell</translation>
    </message>
    <message>
        <source>Bot Skin</source>
        <translation>Bot-Skin</translation>
    </message>
    <message>
        <source>C File</source>
        <translation>C-Datei</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>&amp;Random Mdl/Skin</source>
        <translation>&amp;Zufall Modell/Skin</translation>
    </message>
    <message>
        <source>Preview of Bot&apos;s Skin</source>
        <translation>Vorschau des Bot-Skins</translation>
    </message>
    <message>
        <source>Preview window for Bot&apos;s Skin</source>
        <translation>Vorschaufenster des Bot-Skins</translation>
    </message>
    <message>
        <source>Reload Picture</source>
        <translation>Bild neu laden</translation>
    </message>
    <message>
        <source>&amp;Edit Picture</source>
        <translation>Bild &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Save Bot and Close</source>
        <translation>Bot &amp;speichern und schließen</translation>
    </message>
    <message>
        <source>Tarrakind Bot-Ed v0.1</source>
        <translation>Tarrakind Bot-Ed v0.1</translation>
    </message>
    <message>
        <source>Tarrakind Bot-Ed - by the Tarrakind team</source>
        <translation>Tarrakind Bot-Ed - vom Tarrakind-Team</translation>
    </message>
    <message>
        <source>Name of Bot</source>
        <translation>Name des Bots</translation>
    </message>
    <message>
        <source>Model of Bot</source>
        <translation>Modell des Bots</translation>
    </message>
    <message>
        <source>Select the Model the Bot uses</source>
        <translation>Modell des Bots wählen</translation>
    </message>
    <message>
        <source>Select the Skin the Bot uses</source>
        <translation>Skin des Bots wählen</translation>
    </message>
    <message>
        <source>Select the source C file Bot info. is in</source>
        <translation>C-Quelldatei mit den Bot-Infos wählen</translation>
    </message>
    <message>
        <source>The Bot profile / behaviour</source>
        <translation>Profil / Verhalten des Bots</translation>
    </message>
    <message>
        <source>Select the Bot&apos;s profile / behaviour</source>
        <translation>Profil / Verhalten des Bots wählen</translation>
    </message>
    <message>
        <source>Click to generate Bot with random Model and Skin</source>
        <translation>Klicken, um einen Bot mit zufälligem Modell und Skin zu erzeugen</translation>
    </message>
    <message>
        <source>Click to refresh / reload Skin preview</source>
        <translation>Klicken, um die Skin-Vorschau neu zu laden</translation>
    </message>
    <message>
        <source>Cancel and Close without saving changes</source>
        <translation>Abbrechen und schließen, ohne Änderungen zu speichern</translation>
    </message>
    <message>
        <source>Save Bot changes and Close window</source>
        <translation>Bot-Änderungen speichern und Fenster schließen</translation>
    </message>
    <message>
        <source>These player models and skins are left out of the lists:</source>
        <translation>Diese Spielermodelle und Skins bleiben aus den Listen draußen:</translation>
    </message>
    <message>
        <source>You must specify a Bot Name</source>
        <translation>Du musst einen Bot-Namen angeben</translation>
    </message>
    <message>
        <source>You must specify a Bot Model</source>
        <translation>Du musst ein Bot-Modell angeben</translation>
    </message>
    <message>
        <source>You must specify a Bot Skin</source>
        <translation>Du musst einen Bot-Skin angeben</translation>
    </message>
    <message>
        <source>You must specify a Bot Profile</source>
        <translation>Du musst ein Bot-Profil angeben</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>User Entry</source>
        <translation>Benutzereingabe</translation>
    </message>
    <message>
        <source>Bind Information</source>
        <translation>Bind-Angaben</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Taste:</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Add to List</source>
        <translation>Zur Liste</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Make Changes</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>User Entry - Add Bind</source>
        <translation>Benutzereingabe - Bind hinzufügen</translation>
    </message>
    <message>
        <source>User Entry - Edit Bind</source>
        <translation>Benutzereingabe - Bind ändern</translation>
    </message>
    <message>
        <source>Error: Some fields not correctly filled in</source>
        <translation>Fehler: Einige Felder sind nicht richtig ausgefüllt</translation>
    </message>
</context>
<context>
    <name>ZipListing</name>
    <message>
        <source>The map archive %1 cannot be read; only the maps listed before the damage are shown.</source>
        <translation>Das Map-Archiv %1 lässt sich nicht lesen; nur die Maps vor der beschädigten Stelle werden gezeigt.</translation>
    </message>
    <message>
        <source>The map archive %1 cannot be read; none of its maps are listed.</source>
        <translation>Das Map-Archiv %1 lässt sich nicht lesen; keine seiner Maps wird aufgeführt.</translation>
    </message>
    <message>
        <source>The map archive %1 has extra data in front of its contents (it may be a self-extracting archive). Its maps are listed all the same.</source>
        <translation>Das Map-Archiv %1 hat zusätzliche Daten vor seinem Inhalt (es ist vielleicht ein selbstentpackendes Archiv). Seine Maps werden trotzdem aufgeführt.</translation>
    </message>
    <message>
        <source>The map archive %1 has extra data in front of its contents (it may be a self-extracting archive).</source>
        <translation>Das Map-Archiv %1 hat zusätzliche Daten vor seinem Inhalt (es ist vielleicht ein selbstentpackendes Archiv).</translation>
    </message>
    <message>
        <source>The map archive %1 has extra data after its end. Its maps are listed all the same.</source>
        <translation>Das Map-Archiv %1 hat zusätzliche Daten hinter seinem Ende. Seine Maps werden trotzdem aufgeführt.</translation>
    </message>
    <message>
        <source>The map archive %1 has extra data after its end.</source>
        <translation>Das Map-Archiv %1 hat zusätzliche Daten hinter seinem Ende.</translation>
    </message>
</context>
</TS>
