<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name></name>
    <message id="Brindlewood News">
        <source></source>
        <translation>Brindlewood-Neuigkeiten</translation>
    </message>
    <message id="Thanks for installing PlayerLink">
        <source></source>
        <translation>Danke, dass Sie PlayerLink installiert haben</translation>
    </message>
    <message id="Download Skin ?">
        <source></source>
        <translation>Skin herunterladen?</translation>
    </message>
    <message id="Do you want to download a skin from:&#10;%@">
        <source></source>
        <translation>Möchten Sie einen Skin herunterladen von:
%@</translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation>Abbrechen</translation>
    </message>
    <message id="Download">
        <source></source>
        <translation>Herunterladen</translation>
    </message>
    <message id="No Internet...">
        <source></source>
        <translation>Kein Internet …</translation>
    </message>
    <message id="It looks like you don't have an internet connection at the moment.&#10;&#10;You can set up remotes, but you won't be able to use them until you are connected">
        <source></source>
        <translation>Sie scheinen gerade keine Internetverbindung zu haben.

Sie können Fernbedienungen einrichten, aber erst benutzen, wenn Sie verbunden sind</translation>
    </message>
    <message id="Ok">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="Scanning...">
        <source></source>
        <translation>Suche …</translation>
    </message>
    <message id="Advanced Controls">
        <source></source>
        <translation>Erweiterte Steuerung</translation>
    </message>
    <message id="Controls">
        <source></source>
        <translation>Steuerung</translation>
    </message>
    <message id="Keys">
        <source></source>
        <translation>Tasten</translation>
    </message>
    <message id="Lua Stuff...">
        <source></source>
        <translation>Lua-Extras …</translation>
    </message>
    <message id="Ratios">
        <source></source>
        <translation>Seitenverhältnisse</translation>
    </message>
    <message id="Audio Delay">
        <source></source>
        <translation>Audioverzögerung</translation>
    </message>
    <message id="-1 s">
        <source></source>
        <translation>−1 s</translation>
    </message>
    <message id="Zero">
        <source></source>
        <translation>Null</translation>
    </message>
    <message id="+1 s">
        <source></source>
        <translation>+1 s</translation>
    </message>
    <message id="Audio &amp; Video Tracks">
        <source></source>
        <translation>Audio- und Videospuren</translation>
    </message>
    <message id="Audio">
        <source></source>
        <translation>Audio</translation>
    </message>
    <message id="Video">
        <source></source>
        <translation>Video</translation>
    </message>
    <message id="Chapter &amp; Title">
        <source></source>
        <translation>Kapitel und Titel</translation>
    </message>
    <message id="Title">
        <source></source>
        <translation>Titel</translation>
    </message>
    <message id="Chapter">
        <source></source>
        <translation>Kapitel</translation>
    </message>
    <message id="Error...">
        <source></source>
        <translation>Fehler …</translation>
    </message>
    <message id="there was an internal error trying to access %@&#10;&#10;Sorry.">
        <source></source>
        <translation>Beim Zugriff auf %@ ist ein interner Fehler aufgetreten.

Entschuldigung.</translation>
    </message>
    <message id="No Luck...">
        <source></source>
        <translation>Kein Glück …</translation>
    </message>
    <message id="Normally, your drives are listed just above your C: drive (Windows) or in //Volumes (Mac).&#10;&#10;PlayerLink couldn't find anything in either of those this time.">
        <source></source>
        <translation>Normalerweise stehen Ihre Laufwerke direkt über Laufwerk C: (Windows) oder in //Volumes (Mac).

PlayerLink hat diesmal an keiner der beiden Stellen etwas gefunden.</translation>
    </message>
    <message id="DVD">
        <source></source>
        <translation>DVD</translation>
    </message>
    <message id="Arrow keys, Enter and M work here too.">
        <source></source>
        <translation>Pfeiltasten, Eingabe und M funktionieren hier auch.</translation>
    </message>
    <message id="Settings">
        <source></source>
        <translation>Einstellungen</translation>
    </message>
    <message id="Help">
        <source></source>
        <translation>Hilfe</translation>
    </message>
    <message id="Communication">
        <source></source>
        <translation>Kommunikation</translation>
    </message>
    <message id="Info">
        <source></source>
        <translation>Info</translation>
    </message>
    <message id="Skin: %@">
        <source></source>
        <translation>Skin: %@</translation>
    </message>
    <message id="Skip Distance: %@">
        <source></source>
        <translation>Sprungweite: %@</translation>
    </message>
    <message id="IP: %@">
        <source></source>
        <translation>IP: %@</translation>
    </message>
    <message id="Version %@">
        <source></source>
        <translation>Version %@</translation>
    </message>
    <message id="Only showing media files">
        <source></source>
        <translation>Nur Mediendateien werden angezeigt</translation>
    </message>
    <message id="PlayerLink tries to guess by the filename endings whether they are media files&#10;&#10;If we are missing a filetype, let us know!">
        <source></source>
        <translation>PlayerLink erkennt Mediendateien an ihrer Dateiendung.

Fehlt uns ein Dateityp, sagen Sie uns Bescheid!</translation>
    </message>
    <message id="Feedback on PlayerLink">
        <source></source>
        <translation>Rückmeldung zu PlayerLink</translation>
    </message>
    <message id="Try PlayerLink...">
        <source></source>
        <translation>Probier PlayerLink aus …</translation>
    </message>
    <message id="I'm using PlayerLink - it lets me control VLC completely from my iPhone.&#10;&#10;I think you might like it!&#10;&#10;">
        <source></source>
        <translation>Ich benutze PlayerLink – damit steuere ich VLC komplett von meinem iPhone aus.

Ich glaube, es gefällt dir!

</translation>
    </message>
    <message id="Connecting...">
        <source></source>
        <translation>Verbinde …</translation>
    </message>
    <message id="Remote">
        <source></source>
        <translation>Fernbedienung</translation>
    </message>
    <message id="Password for %@">
        <source></source>
        <translation>Passwort für %@</translation>
    </message>
    <message id="VLC on %@ did not accept the password. Enter the password of its web interface.">
        <source></source>
        <translation>VLC auf %@ hat das Passwort nicht angenommen. Geben Sie das Passwort seiner Weboberfläche ein.</translation>
    </message>
    <message id="VLC on %@ asks for the password of its web interface.">
        <source></source>
        <translation>VLC auf %@ fragt nach dem Passwort seiner Weboberfläche.</translation>
    </message>
    <message id="Connect">
        <source></source>
        <translation>Verbinden</translation>
    </message>
    <message id="Password">
        <source></source>
        <translation>Passwort</translation>
    </message>
    <message id="More...">
        <source></source>
        <translation>Mehr …</translation>
    </message>
    <message id="Advanced Controls...">
        <source></source>
        <translation>Erweiterte Steuerung …</translation>
    </message>
    <message id="Find in IMDB">
        <source></source>
        <translation>In IMDb suchen</translation>
    </message>
    <message id="Find in Amazon">
        <source></source>
        <translation>Bei Amazon suchen</translation>
    </message>
    <message id="Skins...">
        <source></source>
        <translation>Skins …</translation>
    </message>
    <message id="Settings...">
        <source></source>
        <translation>Einstellungen …</translation>
    </message>
    <message id="To use DVD controls, you will need to download and run the setup helper version 2.5 or higher.&#10;&#10;If you ran the helper some time ago, you'll need to re-run the latest version">
        <source></source>
        <translation>Für die DVD-Steuerung müssen Sie den Einrichtungshelfer ab Version 2.5 herunterladen und ausführen.

Wenn Sie den Helfer vor längerer Zeit ausgeführt haben, führen Sie die neueste Version erneut aus</translation>
    </message>
    <message id="Send me details">
        <source></source>
        <translation>Details schicken</translation>
    </message>
    <message id="Ok - Don't tell me again">
        <source></source>
        <translation>OK – nicht mehr anzeigen</translation>
    </message>
    <message id="The skin you are using may not be supported by this version of PlayerLink. If the actions don't work, then please update to one of the new skins.">
        <source></source>
        <translation>Ihr Skin wird von dieser PlayerLink-Version möglicherweise nicht unterstützt. Wenn die Aktionen nicht funktionieren, wechseln Sie bitte zu einem der neuen Skins.</translation>
    </message>
    <message id="(Playlist Empty)">
        <source></source>
        <translation>(Wiedergabeliste leer)</translation>
    </message>
    <message id="Connected">
        <source></source>
        <translation>Verbunden</translation>
    </message>
    <message id="Password needed">
        <source></source>
        <translation>Passwort erforderlich</translation>
    </message>
    <message id="Wrong password">
        <source></source>
        <translation>Falsches Passwort</translation>
    </message>
    <message id="No password set in VLC">
        <source></source>
        <translation>In VLC ist kein Passwort gesetzt</translation>
    </message>
    <message id="Connection lost">
        <source></source>
        <translation>Verbindung verloren</translation>
    </message>
    <message id="No news feeds are configured">
        <source></source>
        <translation>Es sind keine Nachrichtenquellen eingerichtet</translation>
    </message>
    <message id="Please check your email">
        <source></source>
        <translation>Bitte prüfen Sie Ihre E-Mail-Adresse</translation>
    </message>
    <message id="Setup">
        <source></source>
        <translation>Einrichtung</translation>
    </message>
    <message id="To use PlayerLink, you'll need to switch on VLC's web interface and give it a password, on each computer you want to control. The &lt;a href=&quot;help&quot;&gt;help page&lt;/a&gt; shows how, step by step.">
        <source></source>
        <translation>Um PlayerLink zu benutzen, schalten Sie auf jedem Computer, den Sie steuern möchten, die Weboberfläche von VLC ein und geben ihr ein Passwort. Die &lt;a href=&quot;help&quot;&gt;Hilfeseite&lt;/a&gt; zeigt Schritt für Schritt, wie das geht.</translation>
    </message>
    <message id="If you enter your email address, we'll send you an email with the setup instructions.">
        <source></source>
        <translation>Wenn Sie Ihre E-Mail-Adresse eingeben, schicken wir Ihnen die Einrichtungsanleitung per E-Mail.</translation>
    </message>
    <message id="If you enter your email address, your mail program opens an email to you with the setup instructions, so that you can follow them on your computer.">
        <source></source>
        <translation>Wenn Sie Ihre E-Mail-Adresse eingeben, öffnet Ihr E-Mail-Programm eine Nachricht an Sie mit der Einrichtungsanleitung, damit Sie ihr am Computer folgen können.</translation>
    </message>
    <message id="Setting up VLC for PlayerLink">
        <source></source>
        <translation>VLC für PlayerLink einrichten</translation>
    </message>
    <message id="PlayerLink controls VLC through VLC's web interface. That interface is switched off until you switch it on, and VLC 3 opens it only with a password. Do this once on each computer you want to control.&#10;&#10;1. Switch on VLC's web interface&#10;- Open VLC and choose Tools &gt; Preferences (on a Mac: VLC &gt; Preferences).&#10;- At the bottom left, under Show settings, choose All.&#10;- In the list on the left, click Interface &gt; Main interfaces. On the right, tick Web.&#10;- Open Main interfaces and click Lua. Under Lua HTTP, type a password into Password.&#10;- Click Save, quit VLC and start it again.&#10;&#10;Or start VLC with the web interface on, putting your own password in place of SECRET:&#10;vlc --extraintf http --http-password SECRET&#10;&#10;To check: open a web browser on the computer at http://localhost:8080, leave the user name empty and type your password. VLC's own web remote appears.&#10;&#10;2. Let VLC through the firewall&#10;- Windows: when Windows asks whether VLC may communicate on networks, tick Private networks and click Allow access.&#10;- macOS: if you are asked whether VLC may accept incoming network connections, click Allow.&#10;- Linux: most desktops have no firewall switched on. With ufw, run: sudo ufw allow 8080/tcp&#10;&#10;3. Add the computer to PlayerLink&#10;PlayerLink looks for computers on your network by itself. Choose yours and type the password you set in VLC. If it is not in the list, add it by hand with its address, such as 192.168.1.20.&#10;">
        <source></source>
        <translation>PlayerLink steuert VLC über die Weboberfläche von VLC. Diese Oberfläche ist ausgeschaltet, bis Sie sie einschalten, und VLC 3 öffnet sie nur mit einem Passwort. Erledigen Sie das einmal auf jedem Computer, den Sie steuern möchten.

1. Die Weboberfläche von VLC einschalten
- Öffnen Sie VLC und wählen Sie Werkzeuge &gt; Einstellungen (auf dem Mac: VLC &gt; Einstellungen).
- Wählen Sie unten links unter „Einstellungen zeigen“ die Option „Alle“.
- Klicken Sie in der Liste links auf Interface &gt; Hauptinterfaces. Setzen Sie rechts das Häkchen bei „Web“.
- Öffnen Sie „Hauptinterfaces“ und klicken Sie auf „Lua“. Geben Sie unter „Lua-HTTP“ ein Passwort in das Feld „Passwort“ ein.
- Klicken Sie auf „Speichern“, beenden Sie VLC und starten Sie es neu.

Oder starten Sie VLC mit eingeschalteter Weboberfläche und setzen Sie Ihr eigenes Passwort anstelle von SECRET ein:
vlc --extraintf http --http-password SECRET

Zur Kontrolle: Öffnen Sie auf dem Computer einen Webbrowser mit http://localhost:8080, lassen Sie den Benutzernamen leer und geben Sie Ihr Passwort ein. Die Web-Fernbedienung von VLC erscheint.

2. VLC durch die Firewall lassen
- Windows: Wenn Windows fragt, ob VLC in Netzwerken kommunizieren darf, setzen Sie das Häkchen bei „Private Netzwerke“ und klicken Sie auf „Zugriff zulassen“.
- macOS: Werden Sie gefragt, ob VLC eingehende Netzwerkverbindungen annehmen darf, klicken Sie auf „Erlauben“.
- Linux: Auf den meisten Desktops ist keine Firewall eingeschaltet. Mit ufw führen Sie aus: sudo ufw allow 8080/tcp

3. Den Computer in PlayerLink hinzufügen
PlayerLink sucht selbst nach Computern in Ihrem Netzwerk. Wählen Sie Ihren aus und geben Sie das Passwort ein, das Sie in VLC gesetzt haben. Steht er nicht in der Liste, fügen Sie ihn von Hand mit seiner Adresse hinzu, etwa 192.168.1.20.
</translation>
    </message>
    <message id="Your email address">
        <source></source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message id="Addresses you typed before">
        <source></source>
        <translation>Früher eingegebene Adressen</translation>
    </message>
    <message id="Send me info on updates and new iPhone apps">
        <source></source>
        <translation>Informationen zu Updates und neuen iPhone-Apps schicken</translation>
    </message>
    <message id="Skip">
        <source></source>
        <translation>Überspringen</translation>
    </message>
    <message id="Send">
        <source></source>
        <translation>Senden</translation>
    </message>
    <message id="It looks like your email is blank. Please enter your email address, or use the find icon to pick one you typed before.&#10;&#10;Or just tap the skip button to skip this entirely.">
        <source></source>
        <translation>Die E-Mail-Adresse ist leer. Bitte geben Sie Ihre E-Mail-Adresse ein oder wählen Sie mit dem Suchsymbol eine früher eingegebene.

Oder tippen Sie einfach auf „Überspringen“, um diesen Schritt auszulassen.</translation>
    </message>
    <message id="It looks like your email is blank. Please enter your email address.&#10;&#10;Or just tap the skip button to skip this entirely.">
        <source></source>
        <translation>Die E-Mail-Adresse ist leer. Bitte geben Sie Ihre E-Mail-Adresse ein.

Oder tippen Sie einfach auf „Überspringen“, um diesen Schritt auszulassen.</translation>
    </message>
    <message id="Annoyingly, my ruby on rails server can't handle the plus sign. Sorry">
        <source></source>
        <translation>Leider kommt mein Ruby-on-Rails-Server mit dem Pluszeichen nicht zurecht. Entschuldigung</translation>
    </message>
    <message id="That doesn't look like a valid email address.&#10;&#10;(Just tap the skip button to skip this entirely.)">
        <source></source>
        <translation>Das sieht nicht nach einer gültigen E-Mail-Adresse aus.

(Tippen Sie auf „Überspringen“, um diesen Schritt auszulassen.)</translation>
    </message>
    <message id="Request Sent">
        <source></source>
        <translation>Anfrage gesendet</translation>
    </message>
    <message id="Setup details should arrive by email shortly">
        <source></source>
        <translation>Die Einrichtungsanleitung sollte in Kürze per E-Mail eintreffen</translation>
    </message>
    <message id="Downloading skin...">
        <source></source>
        <translation>Skin wird heruntergeladen …</translation>
    </message>
    <message id="Skins">
        <source></source>
        <translation>Skins</translation>
    </message>
    <message id="Edit">
        <source></source>
        <translation>Bearbeiten</translation>
    </message>
    <message id="Done">
        <source></source>
        <translation>Fertig</translation>
    </message>
    <message id="Download Skins">
        <source></source>
        <translation>Skins herunterladen</translation>
    </message>
    <message id="Skip Distance">
        <source></source>
        <translation>Sprungweite</translation>
    </message>
    <message id="Seconds">
        <source></source>
        <translation>Sekunden</translation>
    </message>
    <message id="Minutes">
        <source></source>
        <translation>Minuten</translation>
    </message>
    <message id="Skip Distance...">
        <source></source>
        <translation>Sprungweite …</translation>
    </message>
    <message id="Speed">
        <source></source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message id="Slower">
        <source></source>
        <translation>Langsamer</translation>
    </message>
    <message id="Normal">
        <source></source>
        <translation>Normal</translation>
    </message>
    <message id="Faster">
        <source></source>
        <translation>Schneller</translation>
    </message>
    <message id="Subtitle Track">
        <source></source>
        <translation>Untertitelspur</translation>
    </message>
    <message id="Subtitles">
        <source></source>
        <translation>Untertitel</translation>
    </message>
    <message id="Error loading page.">
        <source></source>
        <translation>Fehler beim Laden der Seite.</translation>
    </message>
    <message id="Sorry, we weren't able to load the requested page.">
        <source></source>
        <translation>Die angeforderte Seite konnte leider nicht geladen werden.</translation>
    </message>
    <message id="Pause">
        <source></source>
        <translation>Pause</translation>
    </message>
    <message id="Play">
        <source></source>
        <translation>Abspielen</translation>
    </message>
    <message id="Previous">
        <source></source>
        <translation>Zurück</translation>
    </message>
    <message id="Stop">
        <source></source>
        <translation>Stopp</translation>
    </message>
    <message id="Next">
        <source></source>
        <translation>Weiter</translation>
    </message>
    <message id="Shuffle">
        <source></source>
        <translation>Zufallswiedergabe</translation>
    </message>
    <message id="Repeat">
        <source></source>
        <translation>Wiederholen</translation>
    </message>
    <message id="Loop">
        <source></source>
        <translation>Schleife</translation>
    </message>
    <message id="Volume Down">
        <source></source>
        <translation>Leiser</translation>
    </message>
    <message id="Volume Up">
        <source></source>
        <translation>Lauter</translation>
    </message>
    <message id="Skip Forward">
        <source></source>
        <translation>Vorspringen</translation>
    </message>
    <message id="Skip Back">
        <source></source>
        <translation>Zurückspringen</translation>
    </message>
    <message id="Up">
        <source></source>
        <translation>Hoch</translation>
    </message>
    <message id="Down">
        <source></source>
        <translation>Runter</translation>
    </message>
    <message id="Left">
        <source></source>
        <translation>Links</translation>
    </message>
    <message id="Right">
        <source></source>
        <translation>Rechts</translation>
    </message>
    <message id="Select">
        <source></source>
        <translation>Auswählen</translation>
    </message>
    <message id="Menu">
        <source></source>
        <translation>Menü</translation>
    </message>
    <message id="Volume">
        <source></source>
        <translation>Lautstärke</translation>
    </message>
    <message id="Position">
        <source></source>
        <translation>Position</translation>
    </message>
    <message id="Time Elapsed">
        <source></source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message id="Time Remaining">
        <source></source>
        <translation>Restzeit</translation>
    </message>
    <message id="Length">
        <source></source>
        <translation>Länge</translation>
    </message>
    <message id="Status">
        <source></source>
        <translation>Status</translation>
    </message>
    <message id="Now Playing">
        <source></source>
        <translation>Aktueller Titel</translation>
    </message>
    <message id="Playlist">
        <source></source>
        <translation>Wiedergabeliste</translation>
    </message>
    <message id="Time and Volume">
        <source></source>
        <translation>Zeit und Lautstärke</translation>
    </message>
    <message id="Success">
        <source></source>
        <translation>Erfolg</translation>
    </message>
    <message id="Skin downloaded succesfully">
        <source></source>
        <translation>Skin erfolgreich heruntergeladen</translation>
    </message>
    <message id="Couldn't download">
        <source></source>
        <translation>Herunterladen fehlgeschlagen</translation>
    </message>
    <message id="There was a problem downloading the skin.">
        <source></source>
        <translation>Beim Herunterladen des Skins ist ein Problem aufgetreten.</translation>
    </message>
    <message id="Couldn't install skin">
        <source></source>
        <translation>Skin konnte nicht installiert werden</translation>
    </message>
    <message id="The skin was not installed: %@.">
        <source></source>
        <translation>Der Skin wurde nicht installiert: %@.</translation>
    </message>
    <message id="not a skin archive">
        <source></source>
        <translation>kein Skin-Archiv</translation>
    </message>
    <message id="archive damaged">
        <source></source>
        <translation>Archiv beschädigt</translation>
    </message>
    <message id="too large">
        <source></source>
        <translation>zu groß</translation>
    </message>
    <message id="could not be written">
        <source></source>
        <translation>konnte nicht geschrieben werden</translation>
    </message>
    <message id="could not be downloaded">
        <source></source>
        <translation>konnte nicht heruntergeladen werden</translation>
    </message>
    <message id="Back">
        <source></source>
        <translation>Zurück</translation>
    </message>
    <message id="Page">
        <source></source>
        <translation>Seite</translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation>Löschen</translation>
    </message>
    <message id="Default">
        <source></source>
        <translation>Standard</translation>
    </message>
    <message id="Unspecified language">
        <source></source>
        <translation>Sprache nicht angegeben</translation>
    </message>
    <message id="Unnamed">
        <source></source>
        <translation>Ohne Namen</translation>
    </message>
    <message id="Chapter %d">
        <source></source>
        <translation>Kapitel %d</translation>
    </message>
    <message id="DVD Menu">
        <source></source>
        <translation>DVD-Menü</translation>
    </message>
    <message id="Title %d">
        <source></source>
        <translation>Titel %d</translation>
    </message>
    <message id="Trying to connect to %@">
        <source></source>
        <translation>Verbindung zu %@ wird hergestellt</translation>
    </message>
    <message id="Lost connection to %@">
        <source></source>
        <translation>Verbindung zu %@ verloren</translation>
    </message>
    <message id="VLC on %@ has no password set">
        <source></source>
        <translation>VLC auf %@ hat kein Passwort gesetzt</translation>
    </message>
    <message id="Wrong password for %@">
        <source></source>
        <translation>Falsches Passwort für %@</translation>
    </message>
    <message id="Password needed for %@">
        <source></source>
        <translation>Passwort für %@ erforderlich</translation>
    </message>
    <message id="Connected to %@">
        <source></source>
        <translation>Verbunden mit %@</translation>
    </message>
    <message id="News">
        <source></source>
        <translation>News</translation>
    </message>
    <message id="Browse">
        <source></source>
        <translation>Durchsuchen</translation>
    </message>
    <message id="Time:">
        <source></source>
        <translation>Zeit:</translation>
    </message>
    <message id="Vol:">
        <source></source>
        <translation>Vol.:</translation>
    </message>
    <message id="Can't open this folder">
        <source></source>
        <translation>Dieser Ordner lässt sich nicht öffnen</translation>
    </message>
    <message id="The first time you press 'browse' will open this directory when you launch PlayerLink in future.">
        <source></source>
        <translation>Künftig öffnet das erste „Durchsuchen“ nach dem Start von PlayerLink diesen Ordner.</translation>
    </message>
    <message id="You can only set the default browsing directory for saved remotes.&#10;&#10;To create a saved remote, simply tap on 'add computer' in the startup screen.">
        <source></source>
        <translation>Den Standardordner zum Durchsuchen gibt es nur für gespeicherte Fernbedienungen.

Um eine zu speichern, tippen Sie im Startbildschirm auf „Computer hinzufügen“.</translation>
    </message>
    <message id="Add">
        <source></source>
        <translation>Hinzufügen</translation>
    </message>
    <message id="Newsletter">
        <source></source>
        <translation>Newsletter</translation>
    </message>
    <message id="The newsletter is read from the maker's web site, and none is set up for this copy of PlayerLink.">
        <source></source>
        <translation>Der Newsletter kommt von der Website des Herstellers, und für dieses PlayerLink ist keine eingerichtet.</translation>
    </message>
    <message id="Found Computers">
        <source></source>
        <translation>Gefundene Computer</translation>
    </message>
    <message id="The skin &quot;%@&quot; could not be loaded, so PlayerLink is using its built-in skin.">
        <source></source>
        <translation>Der Skin „%@“ ließ sich nicht laden; PlayerLink verwendet daher den eingebauten Skin.</translation>
    </message>
    <message id="Empty entire playlist?">
        <source></source>
        <translation>Ganze Wiedergabeliste leeren?</translation>
    </message>
    <message id="Remove">
        <source></source>
        <translation>Entfernen</translation>
    </message>
    <message id="Configure Remote">
        <source></source>
        <translation>Computer einrichten</translation>
    </message>
    <message id="VLC's web interface password">
        <source></source>
        <translation>Passwort der VLC-Weboberfläche</translation>
    </message>
    <message id="Save">
        <source></source>
        <translation>Sichern</translation>
    </message>
    <message id="Remote Name">
        <source></source>
        <translation>Name</translation>
    </message>
    <message id="Remote Address">
        <source></source>
        <translation>Adresse</translation>
    </message>
    <message id="Use as default remote">
        <source></source>
        <translation>Als Standard verwenden</translation>
    </message>
    <message id="Select from 'found computers'">
        <source></source>
        <translation>Aus „Gefundene Computer“ wählen</translation>
    </message>
    <message id="Help setting address">
        <source></source>
        <translation>Hilfe zur Adresse</translation>
    </message>
    <message id="Details...">
        <source></source>
        <translation>Details …</translation>
    </message>
    <message id="Please enter a name as well as an address for the new remote.">
        <source></source>
        <translation>Bitte geben Sie für die neue Fernbedienung einen Namen und eine Adresse ein.</translation>
    </message>
    <message id="Answers as VLC">
        <source></source>
        <translation>Antwortet als VLC</translation>
    </message>
    <message id="Needs a password">
        <source></source>
        <translation>Braucht ein Passwort</translation>
    </message>
    <message id="VLC has no password set">
        <source></source>
        <translation>In VLC ist kein Passwort gesetzt</translation>
    </message>
    <message id="VLC refuses access">
        <source></source>
        <translation>VLC verweigert den Zugriff</translation>
    </message>
    <message id="No answer">
        <source></source>
        <translation>Keine Antwort</translation>
    </message>
    <message id="Computers">
        <source></source>
        <translation>Computer</translation>
    </message>
    <message id="More">
        <source></source>
        <translation>Mehr</translation>
    </message>
    <message id="Waking…">
        <source></source>
        <translation>Wird geweckt …</translation>
    </message>
    <message id="Add computer">
        <source></source>
        <translation>Computer hinzufügen</translation>
    </message>
    <message id="Setup Instructions">
        <source></source>
        <translation>Einrichtungsanleitung</translation>
    </message>
    <message id="Can't see your computer?">
        <source></source>
        <translation>Ihr Computer fehlt?</translation>
    </message>
    <message id="Wake computer">
        <source></source>
        <translation>Computer wecken</translation>
    </message>
    <message id="That computer is not on this network, so it cannot be woken from here.">
        <source></source>
        <translation>Dieser Computer ist nicht in diesem Netz und kann von hier aus nicht geweckt werden.</translation>
    </message>
    <message id="The wake-up call could not be sent.">
        <source></source>
        <translation>Das Wecksignal konnte nicht gesendet werden.</translation>
    </message>
    <message id="VLC on that computer did not accept the password.&#10;&#10;Please enter it again, exactly as it is set in VLC's preferences under 'Lua HTTP'.">
        <source></source>
        <translation>VLC auf diesem Computer hat das Passwort nicht angenommen.

Bitte geben Sie es erneut ein, genau wie in den VLC-Einstellungen unter „Lua HTTP“.</translation>
    </message>
    <message id="VLC is running on that computer, and it asks for the password of its web interface.&#10;&#10;Please enter the password set in VLC's preferences under 'Lua HTTP'.">
        <source></source>
        <translation>Auf diesem Computer läuft VLC und fragt nach dem Passwort seiner Weboberfläche.

Bitte geben Sie das Passwort aus den VLC-Einstellungen unter „Lua HTTP“ ein.</translation>
    </message>
    <message id="Would you like to save this Remote to your 'Saved Remotes' list?">
        <source></source>
        <translation>Möchten Sie diese Fernbedienung unter „Gespeicherte Computer“ sichern?</translation>
    </message>
    <message id="Yes">
        <source></source>
        <translation>Ja</translation>
    </message>
    <message id="No">
        <source></source>
        <translation>Nein</translation>
    </message>
    <message id="Remote Saved">
        <source></source>
        <translation>Fernbedienung gesichert</translation>
    </message>
    <message id="If you want to make this your default remote, then just click the edit button, select your remote and select the 'default remote' option.">
        <source></source>
        <translation>Um sie zur Standard-Fernbedienung zu machen, tippen Sie auf „Bearbeiten“, wählen sie aus und setzen „Als Standard verwenden“.</translation>
    </message>
    <message id="Skin Gallery">
        <source></source>
        <translation>Skin-Galerie</translation>
    </message>
    <message id="Type a gallery's address">
        <source></source>
        <translation>Adresse einer Galerie eingeben</translation>
    </message>
    <message id="Set one in VLC under Tools › Preferences › Show settings: All › Interface › Main interfaces › Lua › Lua HTTP › Password, then restart VLC; or start VLC with --http-password.">
        <source></source>
        <translation>Setzen Sie eines in VLC unter Werkzeuge › Einstellungen › Einstellungen zeigen: Alle › Interface › Hauptinterfaces › Lua › Lua HTTP › Passwort und starten Sie VLC neu, oder starten Sie VLC mit --http-password.</translation>
    </message>
    <message id="Saved Computers">
        <source></source>
        <translation>Gespeicherte Computer</translation>
    </message>
    <message id="Scan">
        <source></source>
        <translation>Suchen</translation>
    </message>
    <message id="Album Art">
        <source></source>
        <translation>Albumcover</translation>
    </message>
    <message id="no wifi Ip address">
        <source></source>
        <translation>keine Adresse</translation>
    </message>
    <message id="DVD Navigation">
        <source></source>
        <translation>DVD-Navigation</translation>
    </message>
    <message id="Audio Track">
        <source></source>
        <translation>Audiospur</translation>
    </message>
    <message id="Aspect Ratio">
        <source></source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message id="Crop Aspect Ratio">
        <source></source>
        <translation>Beschneiden</translation>
    </message>
    <message id="Audio Delay Up">
        <source></source>
        <translation>Audioverzögerung erhöhen</translation>
    </message>
    <message id="Audio Delay Down">
        <source></source>
        <translation>Audioverzögerung verringern</translation>
    </message>
    <message id="Subtitle Delay Up">
        <source></source>
        <translation>Untertitelverzögerung erhöhen</translation>
    </message>
    <message id="Subtitle Delay Down">
        <source></source>
        <translation>Untertitelverzögerung verringern</translation>
    </message>
    <message id="Audio &amp; Video Track">
        <source></source>
        <translation>Audio- und Videospur</translation>
    </message>
    <message id="Audio &amp; Delay Settings">
        <source></source>
        <translation>Audio und Verzögerung</translation>
    </message>
    <message id="What's New?">
        <source></source>
        <translation>Was ist neu?</translation>
    </message>
    <message id="Boost volume range to 400%">
        <source></source>
        <translation>Lautstärke bis 400 % erlauben</translation>
    </message>
    <message id="Slide skin views">
        <source></source>
        <translation>Skin-Seiten gleiten lassen</translation>
    </message>
    <message id="Allow Playing Folders">
        <source></source>
        <translation>Ordner abspielen erlauben</translation>
    </message>
    <message id="Only Show Media">
        <source></source>
        <translation>Nur Medien anzeigen</translation>
    </message>
    <message id="Lock Rotation">
        <source></source>
        <translation>Drehung sperren</translation>
    </message>
    <message id="Disable Screen-Off">
        <source></source>
        <translation>Bildschirm nicht abschalten</translation>
    </message>
    <message id="Email me with feedback...">
        <source></source>
        <translation>Rückmeldung per E-Mail …</translation>
    </message>
    <message id="Tell a friend">
        <source></source>
        <translation>Weiterempfehlen</translation>
    </message>
    <message id="About Brindlewood Software">
        <source></source>
        <translation>Über Brindlewood Software</translation>
    </message>
    <message id="Credits">
        <source></source>
        <translation>Danksagungen</translation>
    </message>
    <message id="It looks like VLC is running on that computer, but you need to allow your iPhone to access the remote interface.&#10;&#10;Please tap on the 'Help' bar for instructions on how to do that.">
        <source></source>
        <translation>Auf diesem Computer scheint VLC zu laufen, aber Sie müssen diesem Gerät den Zugriff auf die Weboberfläche erlauben.

Tippen Sie auf „Hilfe“, um zu erfahren, wie das geht.</translation>
    </message>
    <message id="No sign of VLC at that computer.&#10;&#10;If you know that VLC is running, then you probably just need to setup VLC to contact the remote.&#10;&#10;Please tap on the 'Help' bar for instructions on how to do that.">
        <source></source>
        <translation>Von VLC ist auf diesem Computer nichts zu sehen.

Wenn Sie wissen, dass VLC läuft, müssen Sie VLC wahrscheinlich nur noch für die Fernbedienung einrichten.

Tippen Sie auf „Hilfe“, um zu erfahren, wie das geht.</translation>
    </message>
    <message id="VLC is running on that computer, but its web interface has no password set, and VLC 3 lets nobody in without one.&#10;&#10;In VLC's preferences, show all settings, open Interface, Main interfaces, Lua, and enter a password under 'Lua HTTP'. Then restart VLC and choose the computer here again.&#10;&#10;Please tap on 'Help' for instructions on how to do that.">
        <source></source>
        <translation>Auf diesem Computer läuft VLC, aber für seine Weboberfläche ist kein Passwort festgelegt, und ohne Passwort lässt VLC 3 niemanden herein.

Lassen Sie sich in den Einstellungen von VLC alle Einstellungen anzeigen, öffnen Sie Interface, Hauptinterfaces, Lua und geben Sie unter „Lua-HTTP“ ein Passwort ein. Starten Sie VLC dann neu und wählen Sie den Computer hier erneut.

Tippen Sie auf „Hilfe“, um zu erfahren, wie das geht.</translation>
    </message>
    <message id="None">
        <source></source>
        <translation>Keine</translation>
    </message>
    <message id="Track %d">
        <source></source>
        <translation>Spur %d</translation>
    </message>
    <message id="The address cannot be used">
        <source></source>
        <translation>Die Adresse ist nicht verwendbar</translation>
    </message>
    <message id="No usable answer">
        <source></source>
        <translation>Keine brauchbare Antwort</translation>
    </message>
    <message id="Full screen">
        <source></source>
        <translation>Vollbild</translation>
    </message>
    <message id="Home folder">
        <source></source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message id="Up one folder">
        <source></source>
        <translation>Einen Ordner nach oben</translation>
    </message>
    <message id="Drives">
        <source></source>
        <translation>Laufwerke</translation>
    </message>
    <message id="Make this the default folder">
        <source></source>
        <translation>Als Standardordner festlegen</translation>
    </message>
    <message id="Play files at once">
        <source></source>
        <translation>Dateien sofort abspielen</translation>
    </message>
    <message id="Add files to the playlist">
        <source></source>
        <translation>Dateien zur Wiedergabeliste hinzufügen</translation>
    </message>
    <message id="Added to the playlist: %@">
        <source></source>
        <translation>Zur Wiedergabeliste hinzugefügt: %@</translation>
    </message>
    <message id="No address is given.">
        <source></source>
        <translation>Es ist keine Adresse angegeben.</translation>
    </message>
    <message id="'%@' is more than an address: give only the computer's name or address, and the port after a colon if it is not 8080.">
        <source></source>
        <translation>&apos;%@&apos; ist mehr als eine Adresse: Geben Sie nur den Namen oder die Adresse des Computers an und, wenn er nicht 8080 ist, den Port nach einem Doppelpunkt.</translation>
    </message>
    <message id="'%@': the port after the colon must be a number from 1 to 65535.">
        <source></source>
        <translation>&apos;%@&apos;: Der Port nach dem Doppelpunkt muss eine Zahl von 1 bis 65535 sein.</translation>
    </message>
    <message id="'%@' is not the name or address of a computer.">
        <source></source>
        <translation>&apos;%@&apos; ist weder Name noch Adresse eines Computers.</translation>
    </message>
    <message id="Reload the news">
        <source></source>
        <translation>Neuigkeiten neu laden</translation>
    </message>
    <message id="Search the playlist">
        <source></source>
        <translation>Wiedergabeliste durchsuchen</translation>
    </message>
    <message id="Empty the playlist">
        <source></source>
        <translation>Wiedergabeliste leeren</translation>
    </message>
    <message id="Change Address">
        <source></source>
        <translation>Adresse ändern</translation>
    </message>
    <message id="Forward">
        <source></source>
        <translation>Vorwärts</translation>
    </message>
    <message id="Reload">
        <source></source>
        <translation>Neu laden</translation>
    </message>
    <message id="%dm">
        <source></source>
        <translation>%dm</translation>
    </message>
    <message id="the images of &quot;%@&quot; are outside its folder or too large">
        <source></source>
        <translation>die Bilder von „%@“ liegen außerhalb seines Ordners oder sind zu groß</translation>
    </message>
    <message id="No usable answer from %@">
        <source></source>
        <translation>Keine brauchbare Antwort von %@</translation>
    </message>
    <message id="Move up">
        <source></source>
        <translation>Nach oben</translation>
    </message>
    <message id="Move down">
        <source></source>
        <translation>Nach unten</translation>
    </message>
    <message id="Index">
        <source></source>
        <translation>Index</translation>
    </message>
    <message id="VLC does not say which track plays. The one you choose is ticked.">
        <source></source>
        <translation>VLC sagt nicht, welche Spur läuft. Die Spur, die Sie wählen, wird abgehakt.</translation>
    </message>
    <message id="What plays has no titles or chapters.">
        <source></source>
        <translation>Was gerade läuft, hat keine Titel und keine Kapitel.</translation>
    </message>
    <message id="Delays">
        <source></source>
        <translation>Verzögerungen</translation>
    </message>
    <message id="Current Delay: %@ s">
        <source></source>
        <translation>Aktuelle Verzögerung: %@ s</translation>
    </message>
    <message id="1 Minute">
        <source></source>
        <translation>1 Minute</translation>
    </message>
    <message id="Use as subtitles">
        <source></source>
        <translation>Als Untertitel verwenden</translation>
    </message>
    <message id="Subtitles added: %@">
        <source></source>
        <translation>Untertitel hinzugefügt: %@</translation>
    </message>
    <message id="Equalizer">
        <source></source>
        <translation>Equalizer</translation>
    </message>
    <message id="%1 dB">
        <source></source>
        <translation>%1 dB</translation>
    </message>
    <message id="This VLC does not tell of an equalizer.">
        <source></source>
        <translation>Dieses VLC meldet keinen Equalizer.</translation>
    </message>
    <message id="Preamp">
        <source></source>
        <translation>Vorverstärkung</translation>
    </message>
    <message id="Presets">
        <source></source>
        <translation>Voreinstellungen</translation>
    </message>
    <message id="Pause all">
        <source></source>
        <translation>Alle pausieren</translation>
    </message>
    <message id="Open address...">
        <source></source>
        <translation>Adresse öffnen …</translation>
    </message>
    <message id="Add to playlist">
        <source></source>
        <translation>Zur Wiedergabeliste hinzufügen</translation>
    </message>
    <message id="Address">
        <source></source>
        <translation>Adresse</translation>
    </message>
    <message id="Sort the playlist">
        <source></source>
        <translation>Wiedergabeliste sortieren</translation>
    </message>
    <message id="By title">
        <source></source>
        <translation>Nach Titel</translation>
    </message>
    <message id="By artist">
        <source></source>
        <translation>Nach Interpret</translation>
    </message>
    <message id="By album">
        <source></source>
        <translation>Nach Album</translation>
    </message>
    <message id="By duration">
        <source></source>
        <translation>Nach Dauer</translation>
    </message>
    <message id="In random order">
        <source></source>
        <translation>In zufälliger Reihenfolge</translation>
    </message>
    <message id="Reverse order">
        <source></source>
        <translation>Umgekehrte Reihenfolge</translation>
    </message>
    <message id="Sort">
        <source></source>
        <translation>Sortieren</translation>
    </message>
    <message id="Enter the address of a stream, such as https:// and the rest of it.">
        <source></source>
        <translation>Geben Sie die Adresse eines Streams ein, etwa https:// und den Rest.</translation>
    </message>
    <message id="The address is too long: at most %d characters.">
        <source></source>
        <translation>Die Adresse ist zu lang: höchstens %d Zeichen.</translation>
    </message>
    <message id="An address has no spaces (a space in a name is written %20).">
        <source></source>
        <translation>Eine Adresse enthält keine Leerzeichen (ein Leerzeichen in einem Namen schreibt man %20).</translation>
    </message>
    <message id="The address holds a line break, a tab or another invisible character.">
        <source></source>
        <translation>Die Adresse enthält einen Zeilenumbruch, einen Tabulator oder ein anderes unsichtbares Zeichen.</translation>
    </message>
    <message id="The address must begin with its kind, such as http:// or rtsp://.">
        <source></source>
        <translation>Die Adresse muss mit ihrer Art beginnen, etwa http:// oder rtsp://.</translation>
    </message>
    <message id="VLC cannot be sent &quot;%@&quot; addresses from here; it takes %@.">
        <source></source>
        <translation>Von hier aus lassen sich VLC keine „%@“-Adressen senden; es nimmt %@.</translation>
    </message>
    <message id="The address names no computer after its kind, such as example.com in http://example.com/.">
        <source></source>
        <translation>Die Adresse nennt nach ihrer Art keinen Computer, etwa example.com in http://example.com/.</translation>
    </message>
    <message id="This is not an address VLC can open.">
        <source></source>
        <translation>Das ist keine Adresse, die VLC öffnen kann.</translation>
    </message>
    <message id="Play on VLC from this computer">
        <source></source>
        <translation>Von diesem Computer auf VLC abspielen</translation>
    </message>
    <message id="Next computer">
        <source></source>
        <translation>Nächster Computer</translation>
    </message>
    <message id="Previous computer">
        <source></source>
        <translation>Vorheriger Computer</translation>
    </message>
    <message id="Swipe sideways, or press Ctrl+Tab, for the next computer">
        <source></source>
        <translation>Zur Seite wischen oder Strg+Tab drücken für den nächsten Computer</translation>
    </message>
    <message id="Files to play on VLC">
        <source></source>
        <translation>Dateien zum Abspielen auf VLC</translation>
    </message>
    <message id="Play files of this computer...">
        <source></source>
        <translation>Dateien dieses Computers abspielen …</translation>
    </message>
    <message id="Served from this computer">
        <source></source>
        <translation>Von diesem Computer bereitgestellt</translation>
    </message>
    <message id="Stop serving the files">
        <source></source>
        <translation>Bereitstellung der Dateien beenden</translation>
    </message>
    <message id="The file cannot be played">
        <source></source>
        <translation>Die Datei kann nicht abgespielt werden</translation>
    </message>
    <message id="Choose a computer first: the file is played by its VLC.">
        <source></source>
        <translation>Wählen Sie zuerst einen Computer: Sein VLC spielt die Datei ab.</translation>
    </message>
    <message id="Only files can be played, not folders, and the file must still be there.">
        <source></source>
        <translation>Nur Dateien können abgespielt werden, keine Ordner, und die Datei muss noch vorhanden sein.</translation>
    </message>
    <message id="You may not read this file.">
        <source></source>
        <translation>Sie dürfen diese Datei nicht lesen.</translation>
    </message>
    <message id="The computer's name could not be found on the network.">
        <source></source>
        <translation>Der Name des Computers wurde im Netzwerk nicht gefunden.</translation>
    </message>
    <message id="This computer has no way to the computer with VLC.">
        <source></source>
        <translation>Dieser Computer hat keinen Weg zum Computer mit VLC.</translation>
    </message>
    <message id="The file could not be offered on the network.">
        <source></source>
        <translation>Die Datei konnte nicht im Netzwerk angeboten werden.</translation>
    </message>
    <message id="VLC did not take the file into its playlist.">
        <source></source>
        <translation>VLC hat die Datei nicht in seine Wiedergabeliste aufgenommen.</translation>
    </message>
    <message id="VLC did not answer.">
        <source></source>
        <translation>VLC hat nicht geantwortet.</translation>
    </message>
    <message id="Switch to another computer">
        <source></source>
        <translation>Zu einem anderen Computer wechseln</translation>
    </message>
</context>
</TS>
