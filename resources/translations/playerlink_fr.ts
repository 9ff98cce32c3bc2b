<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name></name>
    <message id="Brindlewood News">
        <source></source>
        <translation>Actualités Brindlewood</translation>
    </message>
    <message id="Thanks for installing PlayerLink">
        <source></source>
        <translation>Merci d&apos;avoir installé PlayerLink</translation>
    </message>
    <message id="Download Skin ?">
        <source></source>
        <translation>Télécharger le skin ?</translation>
    </message>
    <message id="Do you want to download a skin from:&#10;%@">
        <source></source>
        <translation>Voulez-vous télécharger un skin depuis :
%@</translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation>Annuler</translation>
    </message>
    <message id="Download">
        <source></source>
        <translation>Télécharger</translation>
    </message>
    <message id="No Internet...">
        <source></source>
        <translation>Pas d&apos;Internet…</translation>
    </message>
    <message id="It looks like you don't have an internet connection at the moment.&#10;&#10;You can set up remotes, but you won't be able to use them until you are connected">
        <source></source>
        <translation>Vous ne semblez pas avoir de connexion Internet pour le moment.

Vous pouvez configurer des télécommandes, mais vous ne pourrez les utiliser qu&apos;une fois connecté</translation>
    </message>
    <message id="Ok">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="Scanning...">
        <source></source>
        <translation>Recherche…</translation>
    </message>
    <message id="Advanced Controls">
        <source></source>
        <translation>Commandes avancées</translation>
    </message>
    <message id="Controls">
        <source></source>
        <translation>Commandes</translation>
    </message>
    <message id="Keys">
        <source></source>
        <translation>Touches</translation>
    </message>
    <message id="Lua Stuff...">
        <source></source>
        <translation>Extras Lua…</translation>
    </message>
    <message id="Ratios">
        <source></source>
        <translation>Formats</translation>
    </message>
    <message id="Audio Delay">
        <source></source>
        <translation>Décalage audio</translation>
    </message>
    <message id="-1 s">
        <source></source>
        <translation>−1 s</translation>
    </message>
    <message id="Zero">
        <source></source>
        <translation>Zéro</translation>
    </message>
    <message id="+1 s">
        <source></source>
        <translation>+1 s</translation>
    </message>
    <message id="Audio &amp; Video Tracks">
        <source></source>
        <translation>Pistes audio et vidéo</translation>
    </message>
    <message id="Audio">
        <source></source>
        <translation>Audio</translation>
    </message>
    <message id="Video">
        <source></source>
        <translation>Vidéo</translation>
    </message>
    <message id="Chapter &amp; Title">
        <source></source>
        <translation>Chapitre et titre</translation>
    </message>
    <message id="Title">
        <source></source>
        <translation>Titre</translation>
    </message>
    <message id="Chapter">
        <source></source>
        <translation>Chapitre</translation>
    </message>
    <message id="Error...">
        <source></source>
        <translation>Erreur…</translation>
    </message>
    <message id="there was an internal error trying to access %@&#10;&#10;Sorry.">
        <source></source>
        <translation>une erreur interne s&apos;est produite en accédant à %@

Désolé.</translation>
    </message>
    <message id="No Luck...">
        <source></source>
        <translation>Pas de chance…</translation>
    </message>
    <message id="Normally, your drives are listed just above your C: drive (Windows) or in //Volumes (Mac).&#10;&#10;PlayerLink couldn't find anything in either of those this time.">
        <source></source>
        <translation>Normalement, vos lecteurs apparaissent juste au-dessus du lecteur C: (Windows) ou dans //Volumes (Mac).

PlayerLink n&apos;a rien trouvé à ces deux endroits cette fois-ci.</translation>
    </message>
    <message id="DVD">
        <source></source>
        <translation>DVD</translation>
    </message>
    <message id="Arrow keys, Enter and M work here too.">
        <source></source>
        <translation>Les flèches, Entrée et M fonctionnent ici aussi.</translation>
    </message>
    <message id="Settings">
        <source></source>
        <translation>Réglages</translation>
    </message>
    <message id="Help">
        <source></source>
        <translation>Aide</translation>
    </message>
    <message id="Communication">
        <source></source>
        <translation>Communication</translation>
    </message>
    <message id="Info">
        <source></source>
        <translation>Infos</translation>
    </message>
    <message id="Skin: %@">
        <source></source>
        <translation>Skin : %@</translation>
    </message>
    <message id="Skip Distance: %@">
        <source></source>
        <translation>Saut : %@</translation>
    </message>
    <message id="IP: %@">
        <source></source>
        <translation>IP : %@</translation>
    </message>
    <message id="Version %@">
        <source></source>
        <translation>Version %@</translation>
    </message>
    <message id="Only showing media files">
        <source></source>
        <translation>Seuls les fichiers multimédias sont affichés</translation>
    </message>
    <message id="PlayerLink tries to guess by the filename endings whether they are media files&#10;&#10;If we are missing a filetype, let us know!">
        <source></source>
        <translation>PlayerLink devine d&apos;après l&apos;extension du nom si un fichier est un fichier multimédia

S&apos;il nous manque un type de fichier, dites-le-nous !</translation>
    </message>
    <message id="Feedback on PlayerLink">
        <source></source>
        <translation>Votre avis sur PlayerLink</translation>
    </message>
    <message id="Try PlayerLink...">
        <source></source>
        <translation>Essaie PlayerLink…</translation>
    </message>
    <message id="I'm using PlayerLink - it lets me control VLC completely from my iPhone.&#10;&#10;I think you might like it!&#10;&#10;">
        <source></source>
        <translation>J&apos;utilise PlayerLink : il me permet de piloter VLC entièrement depuis mon iPhone.

Je pense que ça pourrait te plaire !

</translation>
    </message>
    <message id="Connecting...">
        <source></source>
        <translation>Connexion…</translation>
    </message>
    <message id="Remote">
        <source></source>
        <translation>Télécommande</translation>
    </message>
    <message id="Password for %@">
        <source></source>
        <translation>Mot de passe pour %@</translation>
    </message>
    <message id="VLC on %@ did not accept the password. Enter the password of its web interface.">
        <source></source>
        <translation>VLC sur %@ n&apos;a pas accepté le mot de passe. Saisissez le mot de passe de son interface web.</translation>
    </message>
    <message id="VLC on %@ asks for the password of its web interface.">
        <source></source>
        <translation>VLC sur %@ demande le mot de passe de son interface web.</translation>
    </message>
    <message id="Connect">
        <source></source>
        <translation>Se connecter</translation>
    </message>
    <message id="Password">
        <source></source>
        <translation>Mot de passe</translation>
    </message>
    <message id="More...">
        <source></source>
        <translation>Plus…</translation>
    </message>
    <message id="Advanced Controls...">
        <source></source>
        <translation>Commandes avancées…</translation>
    </message>
    <message id="Find in IMDB">
        <source></source>
        <translation>Chercher sur IMDb</translation>
    </message>
    <message id="Find in Amazon">
        <source></source>
        <translation>Chercher sur Amazon</translation>
    </message>
    <message id="Skins...">
        <source></source>
        <translation>Skins…</translation>
    </message>
    <message id="Settings...">
        <source></source>
        <translation>Réglages…</translation>
    </message>
    <message id="To use DVD controls, you will need to download and run the setup helper version 2.5 or higher.&#10;&#10;If you ran the helper some time ago, you'll need to re-run the latest version">
        <source></source>
        <translation>Pour utiliser les commandes DVD, vous devez télécharger et lancer l&apos;assistant de configuration version 2.5 ou ultérieure.

Si vous avez lancé l&apos;assistant il y a quelque temps, relancez la dernière version</translation>
    </message>
    <message id="Send me details">
        <source></source>
        <translation>M&apos;envoyer les détails</translation>
    </message>
    <message id="Ok - Don't tell me again">
        <source></source>
        <translation>OK – ne plus me le dire</translation>
    </message>
    <message id="The skin you are using may not be supported by this version of PlayerLink. If the actions don't work, then please update to one of the new skins.">
        <source></source>
        <translation>Le skin que vous utilisez n&apos;est peut-être pas pris en charge par cette version de PlayerLink. Si les actions ne fonctionnent pas, passez à l&apos;un des nouveaux skins.</translation>
    </message>
    <message id="(Playlist Empty)">
        <source></source>
        <translation>(Liste de lecture vide)</translation>
    </message>
    <message id="Connected">
        <source></source>
        <translation>Connecté</translation>
    </message>
    <message id="Password needed">
        <source></source>
        <translation>Mot de passe requis</translation>
    </message>
    <message id="Wrong password">
        <source></source>
        <translation>Mot de passe incorrect</translation>
    </message>
    <message id="No password set in VLC">
        <source></source>
        <translation>Aucun mot de passe défini dans VLC</translation>
    </message>
    <message id="Connection lost">
        <source></source>
        <translation>Connexion perdue</translation>
    </message>
    <message id="No news feeds are configured">
        <source></source>
        <translation>Aucun flux d&apos;actualités n&apos;est configuré</translation>
    </message>
    <message id="Please check your email">
        <source></source>
        <translation>Veuillez vérifier votre adresse e-mail</translation>
    </message>
    <message id="Setup">
        <source></source>
        <translation>Configuration</translation>
    </message>
    <message id="To use PlayerLink, you'll need to switch on VLC's web interface and give it a password, on each computer you want to control. The &lt;a href=&quot;help&quot;&gt;help page&lt;/a&gt; shows how, step by step.">
        <source></source>
        <translation>Pour utiliser PlayerLink, activez l&apos;interface web de VLC et donnez-lui un mot de passe, sur chaque ordinateur que vous voulez piloter. La &lt;a href=&quot;help&quot;&gt;page d&apos;aide&lt;/a&gt; explique comment, étape par étape.</translation>
    </message>
    <message id="If you enter your email address, we'll send you an email with the setup instructions.">
        <source></source>
        <translation>Si vous saisissez votre adresse e-mail, nous vous enverrons les instructions de configuration par e-mail.</translation>
    </message>
    <message id="If you enter your email address, your mail program opens an email to you with the setup instructions, so that you can follow them on your computer.">
        <source></source>
        <translation>Si vous saisissez votre adresse e-mail, votre logiciel de messagerie ouvre un message à votre intention avec les instructions, pour que vous puissiez les suivre sur votre ordinateur.</translation>
    </message>
    <message id="Setting up VLC for PlayerLink">
        <source></source>
        <translation>Configurer VLC pour PlayerLink</translation>
    </message>
    <message id="PlayerLink controls VLC through VLC's web interface. That interface is switched off until you switch it on, and VLC 3 opens it only with a password. Do this once on each computer you want to control.&#10;&#10;1. Switch on VLC's web interface&#10;- Open VLC and choose Tools &gt; Preferences (on a Mac: VLC &gt; Preferences).&#10;- At the bottom left, under Show settings, choose All.&#10;- In the list on the left, click Interface &gt; Main interfaces. On the right, tick Web.&#10;- Open Main interfaces and click Lua. Under Lua HTTP, type a password into Password.&#10;- Click Save, quit VLC and start it again.&#10;&#10;Or start VLC with the web interface on, putting your own password in place of SECRET:&#10;vlc --extraintf http --http-password SECRET&#10;&#10;To check: open a web browser on the computer at http://localhost:8080, leave the user name empty and type your password. VLC's own web remote appears.&#10;&#10;2. Let VLC through the firewall&#10;- Windows: when Windows asks whether VLC may communicate on networks, tick Private networks and click Allow access.&#10;- macOS: if you are asked whether VLC may accept incoming network connections, click Allow.&#10;- Linux: most desktops have no firewall switched on. With ufw, run: sudo ufw allow 8080/tcp&#10;&#10;3. Add the computer to PlayerLink&#10;PlayerLink looks for computers on your network by itself. Choose yours and type the password you set in VLC. If it is not in the list, add it by hand with its address, such as 192.168.1.20.&#10;">
        <source></source>
        <translation>PlayerLink pilote VLC par l&apos;interface web de VLC. Cette interface reste désactivée tant que vous ne l&apos;activez pas, et VLC 3 ne l&apos;ouvre qu&apos;avec un mot de passe. Faites-le une fois sur chaque ordinateur que vous voulez piloter.

1. Activer l&apos;interface web de VLC
- Ouvrez VLC et choisissez Outils &gt; Préférences (sur Mac : VLC &gt; Préférences).
- En bas à gauche, sous « Afficher les paramètres », choisissez « Tous ».
- Dans la liste de gauche, cliquez sur Interface &gt; Interfaces principales. À droite, cochez « Web ».
- Ouvrez « Interfaces principales » et cliquez sur « Lua ». Sous « Lua HTTP », saisissez un mot de passe dans « Mot de passe ».
- Cliquez sur « Enregistrer », quittez VLC et relancez-le.

Ou lancez VLC avec l&apos;interface web activée, en remplaçant SECRET par votre propre mot de passe :
vlc --extraintf http --http-password SECRET

Pour vérifier : ouvrez un navigateur web sur l&apos;ordinateur à l&apos;adresse http://localhost:8080, laissez le nom d&apos;utilisateur vide et saisissez votre mot de passe. La télécommande web de VLC apparaît.

2. Laisser passer VLC à travers le pare-feu
- Windows : quand Windows demande si VLC peut communiquer sur les réseaux, cochez « Réseaux privés » et cliquez sur « Autoriser l&apos;accès ».
- macOS : si l&apos;on vous demande si VLC peut accepter les connexions réseau entrantes, cliquez sur « Autoriser ».
- Linux : la plupart des bureaux n&apos;ont pas de pare-feu activé. Avec ufw, lancez : sudo ufw allow 8080/tcp

3. Ajouter l&apos;ordinateur à PlayerLink
PlayerLink cherche tout seul les ordinateurs de votre réseau. Choisissez le vôtre et saisissez le mot de passe défini dans VLC. S&apos;il n&apos;est pas dans la liste, ajoutez-le à la main avec son adresse, par exemple 192.168.1.20.
</translation>
    </message>
    <message id="Your email address">
        <source></source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message id="Addresses you typed before">
        <source></source>
        <translation>Adresses déjà saisies</translation>
    </message>
    <message id="Send me info on updates and new iPhone apps">
        <source></source>
        <translation>M&apos;informer des mises à jour et des nouvelles applications iPhone</translation>
    </message>
    <message id="Skip">
        <source></source>
        <translation>Passer</translation>
    </message>
    <message id="Send">
        <source></source>
        <translation>Envoyer</translation>
    </message>
    <message id="It looks like your email is blank. Please enter your email address, or use the find icon to pick one you typed before.&#10;&#10;Or just tap the skip button to skip this entirely.">
        <source></source>
        <translation>L&apos;adresse e-mail est vide. Saisissez votre adresse e-mail, ou choisissez-en une déjà saisie avec l&apos;icône de recherche.

Ou touchez simplement « Passer » pour sauter cette étape.</translation>
    </message>
    <message id="It looks like your email is blank. Please enter your email address.&#10;&#10;Or just tap the skip button to skip this entirely.">
        <source></source>
        <translation>L&apos;adresse e-mail est vide. Saisissez votre adresse e-mail.

Ou touchez simplement « Passer » pour sauter cette étape.</translation>
    </message>
    <message id="Annoyingly, my ruby on rails server can't handle the plus sign. Sorry">
        <source></source>
        <translation>Malheureusement, mon serveur Ruby on Rails ne gère pas le signe plus. Désolé</translation>
    </message>
    <message id="That doesn't look like a valid email address.&#10;&#10;(Just tap the skip button to skip this entirely.)">
        <source></source>
        <translation>Cela ne ressemble pas à une adresse e-mail valide.

(Touchez « Passer » pour sauter cette étape.)</translation>
    </message>
    <message id="Request Sent">
        <source></source>
        <translation>Demande envoyée</translation>
    </message>
    <message id="Setup details should arrive by email shortly">
        <source></source>
        <translation>Les instructions de configuration devraient arriver bientôt par e-mail</translation>
    </message>
    <message id="Downloading skin...">
        <source></source>
        <translation>Téléchargement du skin…</translation>
    </message>
    <message id="Skins">
        <source></source>
        <translation>Skins</translation>
    </message>
    <message id="Edit">
        <source></source>
        <translation>Modifier</translation>
    </message>
    <message id="Done">
        <source></source>
        <translation>Terminé</translation>
    </message>
    <message id="Download Skins">
        <source></source>
        <translation>Télécharger des skins</translation>
    </message>
    <message id="Skip Distance">
        <source></source>
        <translation>Saut</translation>
    </message>
    <message id="Seconds">
        <source></source>
        <translation>secondes</translation>
    </message>
    <message id="Minutes">
        <source></source>
        <translation>minutes</translation>
    </message>
    <message id="Skip Distance...">
        <source></source>
        <translation>Saut…</translation>
    </message>
    <message id="Speed">
        <source></source>
        <translation>Vitesse</translation>
    </message>
    <message id="Slower">
        <source></source>
        <translation>Plus lent</translation>
    </message>
    <message id="Normal">
        <source></source>
        <translation>Normale</translation>
    </message>
    <message id="Faster">
        <source></source>
        <translation>Plus rapide</translation>
    </message>
    <message id="Subtitle Track">
        <source></source>
        <translation>Piste de sous-titres</translation>
    </message>
    <message id="Subtitles">
        <source></source>
        <translation>Sous-titres</translation>
    </message>
    <message id="Error loading page.">
        <source></source>
        <translation>Erreur lors du chargement de la page.</translation>
    </message>
    <message id="Sorry, we weren't able to load the requested page.">
        <source></source>
        <translation>Désolé, la page demandée n&apos;a pas pu être chargée.</translation>
    </message>
    <message id="Pause">
        <source></source>
        <translation>Pause</translation>
    </message>
    <message id="Play">
        <source></source>
        <translation>Lire</translation>
    </message>
    <message id="Previous">
        <source></source>
        <translation>Précédent</translation>
    </message>
    <message id="Stop">
        <source></source>
        <translation>Arrêt</translation>
    </message>
    <message id="Next">
        <source></source>
        <translation>Suivant</translation>
    </message>
    <message id="Shuffle">
        <source></source>
        <translation>Aléatoire</translation>
    </message>
    <message id="Repeat">
        <source></source>
        <translation>Répéter</translation>
    </message>
    <message id="Loop">
        <source></source>
        <translation>Boucle</translation>
    </message>
    <message id="Volume Down">
        <source></source>
        <translation>Baisser le volume</translation>
    </message>
    <message id="Volume Up">
        <source></source>
        <translation>Monter le volume</translation>
    </message>
    <message id="Skip Forward">
        <source></source>
        <translation>Avancer</translation>
    </message>
    <message id="Skip Back">
        <source></source>
        <translation>Reculer</translation>
    </message>
    <message id="Up">
        <source></source>
        <translation>Haut</translation>
    </message>
    <message id="Down">
        <source></source>
        <translation>Bas</translation>
    </message>
    <message id="Left">
        <source></source>
        <translation>Gauche</translation>
    </message>
    <message id="Right">
        <source></source>
        <translation>Droite</translation>
    </message>
    <message id="Select">
        <source></source>
        <translation>Valider</translation>
    </message>
    <message id="Menu">
        <source></source>
        <translation>Menu</translation>
    </message>
    <message id="Volume">
        <source></source>
        <translation>Volume</translation>
    </message>
    <message id="Position">
        <source></source>
        <translation>Position</translation>
    </message>
    <message id="Time Elapsed">
        <source></source>
        <translation>Temps écoulé</translation>
    </message>
    <message id="Time Remaining">
        <source></source>
        <translation>Temps restant</translation>
    </message>
    <message id="Length">
        <source></source>
        <translation>Durée</translation>
    </message>
    <message id="Status">
        <source></source>
        <translation>État</translation>
    </message>
    <message id="Now Playing">
        <source></source>
        <translation>En cours de lecture</translation>
    </message>
    <message id="Playlist">
        <source></source>
        <translation>Liste de lecture</translation>
    </message>
    <message id="Time and Volume">
        <source></source>
        <translation>Temps et volume</translation>
    </message>
    <message id="Success">
        <source></source>
        <translation>Réussi</translation>
    </message>
    <message id="Skin downloaded succesfully">
        <source></source>
        <translation>Skin téléchargé avec succès</translation>
    </message>
    <message id="Couldn't download">
        <source></source>
        <translation>Téléchargement impossible</translation>
    </message>
    <message id="There was a problem downloading the skin.">
        <source></source>
        <translation>Un problème est survenu lors du téléchargement du skin.</translation>
    </message>
    <message id="Couldn't install skin">
        <source></source>
        <translation>Impossible d&apos;installer le skin</translation>
    </message>
    <message id="The skin was not installed: %@.">
        <source></source>
        <translation>Le skin n&apos;a pas été installé : %@.</translation>
    </message>
    <message id="not a skin archive">
        <source></source>
        <translation>ce n&apos;est pas une archive de skin</translation>
    </message>
    <message id="archive damaged">
        <source></source>
        <translation>archive endommagée</translation>
    </message>
    <message id="too large">
        <source></source>
        <translation>trop volumineux</translation>
    </message>
    <message id="could not be written">
        <source></source>
        <translation>n&apos;a pas pu être écrit</translation>
    </message>
    <message id="could not be downloaded">
        <source></source>
        <translation>n&apos;a pas pu être téléchargé</translation>
    </message>
    <message id="Back">
        <source></source>
        <translation>Retour</translation>
    </message>
    <message id="Page">
        <source></source>
        <translation>Page</translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation>Supprimer</translation>
    </message>
    <message id="Default">
        <source></source>
        <translation>Par défaut</translation>
    </message>
    <message id="Unspecified language">
        <source></source>
        <translation>Langue non précisée</translation>
    </message>
    <message id="Unnamed">
        <source></source>
        <translation>Sans nom</translation>
    </message>
    <message id="Chapter %d">
        <source></source>
        <translation>Chapitre %d</translation>
    </message>
    <message id="DVD Menu">
        <source></source>
        <translation>Menu du DVD</translation>
    </message>
    <message id="Title %d">
        <source></source>
        <translation>Titre %d</translation>
    </message>
    <message id="Trying to connect to %@">
        <source></source>
        <translation>Tentative de connexion à %@</translation>
    </message>
    <message id="Lost connection to %@">
        <source></source>
        <translation>Connexion à %@ perdue</translation>
    </message>
    <message id="VLC on %@ has no password set">
        <source></source>
        <translation>VLC sur %@ n&apos;a pas de mot de passe défini</translation>
    </message>
    <message id="Wrong password for %@">
        <source></source>
        <translation>Mot de passe incorrect pour %@</translation>
    </message>
    <message id="Password needed for %@">
        <source></source>
        <translation>Mot de passe requis pour %@</translation>
    </message>
    <message id="Connected to %@">
        <source></source>
        <translation>Connecté à %@</translation>
    </message>
    <message id="News">
        <source></source>
        <translation>Actus</translation>
    </message>
    <message id="Browse">
        <source></source>
        <translation>Parcourir</translation>
    </message>
    <message id="Time:">
        <source></source>
        <translation>Tps :</translation>
    </message>
    <message id="Vol:">
        <source></source>
        <translation>Vol :</translation>
    </message>
    <message id="Can't open this folder">
        <source></source>
        <translation>Impossible d&apos;ouvrir ce dossier</translation>
    </message>
    <message id="The first time you press 'browse' will open this directory when you launch PlayerLink in future.">
        <source></source>
        <translation>Désormais, le premier « Parcourir » après le lancement de PlayerLink ouvrira ce dossier.</translation>
    </message>
    <message id="You can only set the default browsing directory for saved remotes.&#10;&#10;To create a saved remote, simply tap on 'add computer' in the startup screen.">
        <source></source>
        <translation>Le dossier par défaut n&apos;existe que pour les télécommandes enregistrées.

Pour en enregistrer une, touchez « Ajouter un ordinateur » sur l&apos;écran d&apos;accueil.</translation>
    </message>
    <message id="Add">
        <source></source>
        <translation>Ajouter</translation>
    </message>
    <message id="Newsletter">
        <source></source>
        <translation>Lettre d&apos;information</translation>
    </message>
    <message id="The newsletter is read from the maker's web site, and none is set up for this copy of PlayerLink.">
        <source></source>
        <translation>La lettre d&apos;information vient du site de l&apos;éditeur, et aucun n&apos;est configuré pour cette copie de PlayerLink.</translation>
    </message>
    <message id="Found Computers">
        <source></source>
        <translation>Ordinateurs trouvés</translation>
    </message>
    <message id="The skin &quot;%@&quot; could not be loaded, so PlayerLink is using its built-in skin.">
        <source></source>
        <translation>Le thème « %@ » n&apos;a pas pu être chargé ; PlayerLink utilise son thème intégré.</translation>
    </message>
    <message id="Empty entire playlist?">
        <source></source>
        <translation>Vider toute la liste de lecture ?</translation>
    </message>
    <message id="Remove">
        <source></source>
        <translation>Supprimer</translation>
    </message>
    <message id="Configure Remote">
        <source></source>
        <translation>Ordinateur</translation>
    </message>
    <message id="VLC's web interface password">
        <source></source>
        <translation>Mot de passe de l&apos;interface web de VLC</translation>
    </message>
    <message id="Save">
        <source></source>
        <translation>Enregistrer</translation>
    </message>
    <message id="Remote Name">
        <source></source>
        <translation>Nom</translation>
    </message>
    <message id="Remote Address">
        <source></source>
        <translation>Adresse</translation>
    </message>
    <message id="Use as default remote">
        <source></source>
        <translation>Télécommande par défaut</translation>
    </message>
    <message id="Select from 'found computers'">
        <source></source>
        <translation>Choisir un ordinateur trouvé</translation>
    </message>
    <message id="Help setting address">
        <source></source>
        <translation>Aide pour l&apos;adresse</translation>
    </message>
    <message id="Details...">
        <source></source>
        <translation>Détails…</translation>
    </message>
    <message id="Please enter a name as well as an address for the new remote.">
        <source></source>
        <translation>Veuillez saisir un nom et une adresse pour la nouvelle télécommande.</translation>
    </message>
    <message id="Answers as VLC">
        <source></source>
        <translation>Répond comme VLC</translation>
    </message>
    <message id="Needs a password">
        <source></source>
        <translation>Mot de passe requis</translation>
    </message>
    <message id="VLC has no password set">
        <source></source>
        <translation>VLC n&apos;a pas de mot de passe</translation>
    </message>
    <message id="VLC refuses access">
        <source></source>
        <translation>VLC refuse l&apos;accès</translation>
    </message>
    <message id="No answer">
        <source></source>
        <translation>Pas de réponse</translation>
    </message>
    <message id="Computers">
        <source></source>
        <translation>Ordinateurs</translation>
    </message>
    <message id="More">
        <source></source>
        <translation>Plus</translation>
    </message>
    <message id="Waking…">
        <source></source>
        <translation>Réveil…</translation>
    </message>
    <message id="Add computer">
        <source></source>
        <translation>Ajouter un ordinateur</translation>
    </message>
    <message id="Setup Instructions">
        <source></source>
        <translation>Instructions d&apos;installation</translation>
    </message>
    <message id="Can't see your computer?">
        <source></source>
        <translation>Ordinateur introuvable ?</translation>
    </message>
    <message id="Wake computer">
        <source></source>
        <translation>Réveiller l&apos;ordinateur</translation>
    </message>
    <message id="That computer is not on this network, so it cannot be woken from here.">
        <source></source>
        <translation>Cet ordinateur n&apos;est pas sur ce réseau ; il ne peut pas être réveillé d&apos;ici.</translation>
    </message>
    <message id="The wake-up call could not be sent.">
        <source></source>
        <translation>Le signal de réveil n&apos;a pas pu être envoyé.</translation>
    </message>
    <message id="VLC on that computer did not accept the password.&#10;&#10;Please enter it again, exactly as it is set in VLC's preferences under 'Lua HTTP'.">
        <source></source>
        <translation>VLC sur cet ordinateur n&apos;a pas accepté le mot de passe.

Veuillez le saisir à nouveau, exactement comme dans les préférences de VLC sous « Lua HTTP ».</translation>
    </message>
    <message id="VLC is running on that computer, and it asks for the password of its web interface.&#10;&#10;Please enter the password set in VLC's preferences under 'Lua HTTP'.">
        <source></source>
        <translation>VLC tourne sur cet ordinateur et demande le mot de passe de son interface web.

Veuillez saisir le mot de passe défini dans les préférences de VLC sous « Lua HTTP ».</translation>
    </message>
    <message id="Would you like to save this Remote to your 'Saved Remotes' list?">
        <source></source>
        <translation>Voulez-vous enregistrer cette télécommande dans « Ordinateurs enregistrés » ?</translation>
    </message>
    <message id="Yes">
        <source></source>
        <translation>Oui</translation>
    </message>
    <message id="No">
        <source></source>
        <translation>Non</translation>
    </message>
    <message id="Remote Saved">
        <source></source>
        <translation>Télécommande enregistrée</translation>
    </message>
    <message id="If you want to make this your default remote, then just click the edit button, select your remote and select the 'default remote' option.">
        <source></source>
        <translation>Pour en faire votre télécommande par défaut, touchez « Modifier », choisissez-la et cochez « Télécommande par défaut ».</translation>
    </message>
    <message id="Skin Gallery">
        <source></source>
        <translation>Galerie de thèmes</translation>
    </message>
    <message id="Type a gallery's address">
        <source></source>
        <translation>Saisissez l&apos;adresse d&apos;une galerie</translation>
    </message>
    <message id="Set one in VLC under Tools › Preferences › Show settings: All › Interface › Main interfaces › Lua › Lua HTTP › Password, then restart VLC; or start VLC with --http-password.">
        <source></source>
        <translation>Définissez-en un dans VLC sous Outils › Préférences › Afficher les paramètres : Tous › Interface › Interfaces principales › Lua › Lua HTTP › Mot de passe, puis redémarrez VLC ; ou lancez VLC avec --http-password.</translation>
    </message>
    <message id="Saved Computers">
        <source></source>
        <translation>Ordinateurs enregistrés</translation>
    </message>
    <message id="Scan">
        <source></source>
        <translation>Chercher</translation>
    </message>
    <message id="Album Art">
        <source></source>
        <translation>Pochette</translation>
    </message>
    <message id="no wifi Ip address">
        <source></source>
        <translation>aucune adresse</translation>
    </message>
    <message id="DVD Navigation">
        <source></source>
        <translation>Navigation DVD</translation>
    </message>
    <message id="Audio Track">
        <source></source>
        <translation>Piste audio</translation>
    </message>
    <message id="Aspect Ratio">
        <source></source>
        <translation>Format d&apos;image</translation>
    </message>
    <message id="Crop Aspect Ratio">
        <source></source>
        <translation>Rognage</translation>
    </message>
    <message id="Audio Delay Up">
        <source></source>
        <translation>Retarder l&apos;audio</translation>
    </message>
    <message id="Audio Delay Down">
        <source></source>
        <translation>Avancer l&apos;audio</translation>
    </message>
    <message id="Subtitle Delay Up">
        <source></source>
        <translation>Retarder les sous-titres</translation>
    </message>
    <message id="Subtitle Delay Down">
        <source></source>
        <translation>Avancer les sous-titres</translation>
    </message>
    <message id="Audio &amp; Video Track">
        <source></source>
        <translation>Pistes audio et vidéo</translation>
    </message>
    <message id="Audio &amp; Delay Settings">
        <source></source>
        <translation>Audio et décalage</translation>
    </message>
    <message id="What's New?">
        <source></source>
        <translation>Nouveautés</translation>
    </message>
    <message id="Boost volume range to 400%">
        <source></source>
        <translation>Volume jusqu&apos;à 400 %</translation>
    </message>
    <message id="Slide skin views">
        <source></source>
        <translation>Faire glisser les pages du skin</translation>
    </message>
    <message id="Allow Playing Folders">
        <source></source>
        <translation>Autoriser la lecture de dossiers</translation>
    </message>
    <message id="Only Show Media">
        <source></source>
        <translation>Médias seulement</translation>
    </message>
    <message id="Lock Rotation">
        <source></source>
        <translation>Verrouiller la rotation</translation>
    </message>
    <message id="Disable Screen-Off">
        <source></source>
        <translation>Garder l&apos;écran allumé</translation>
    </message>
    <message id="Email me with feedback...">
        <source></source>
        <translation>Donner votre avis par e-mail…</translation>
    </message>
    <message id="Tell a friend">
        <source></source>
        <translation>Recommander à un ami</translation>
    </message>
    <message id="About Brindlewood Software">
        <source></source>
        <translation>À propos de Brindlewood</translation>
    </message>
    <message id="Credits">
        <source></source>
        <translation>Crédits</translation>
    </message>
    <message id="It looks like VLC is running on that computer, but you need to allow your iPhone to access the remote interface.&#10;&#10;Please tap on the 'Help' bar for instructions on how to do that.">
        <source></source>
        <translation>VLC semble fonctionner sur cet ordinateur, mais vous devez autoriser cet appareil à accéder à son interface web.

Touchez « Aide » pour savoir comment faire.</translation>
    </message>
    <message id="No sign of VLC at that computer.&#10;&#10;If you know that VLC is running, then you probably just need to setup VLC to contact the remote.&#10;&#10;Please tap on the 'Help' bar for instructions on how to do that.">
        <source></source>
        <translation>Aucune trace de VLC sur cet ordinateur.

Si vous savez que VLC est lancé, il suffit sans doute de le configurer pour qu&apos;il accepte la télécommande.

Touchez « Aide » pour savoir comment faire.</translation>
    </message>
    <message id="VLC is running on that computer, but its web interface has no password set, and VLC 3 lets nobody in without one.&#10;&#10;In VLC's preferences, show all settings, open Interface, Main interfaces, Lua, and enter a password under 'Lua HTTP'. Then restart VLC and choose the computer here again.&#10;&#10;Please tap on 'Help' for instructions on how to do that.">
        <source></source>
        <translation>VLC fonctionne sur cet ordinateur, mais son interface web n&apos;a pas de mot de passe, et sans mot de passe VLC 3 ne laisse entrer personne.

Dans les préférences de VLC, affichez tous les paramètres, ouvrez Interface, Interfaces principales, Lua, et saisissez un mot de passe sous « Lua par HTTP ». Relancez ensuite VLC et choisissez à nouveau l&apos;ordinateur ici.

Touchez « Aide » pour savoir comment faire.</translation>
    </message>
    <message id="None">
        <source></source>
        <translation>Aucune</translation>
    </message>
    <message id="Track %d">
        <source></source>
        <translation>Piste %d</translation>
    </message>
    <message id="The address cannot be used">
        <source></source>
        <translation>L’adresse est inutilisable</translation>
    </message>
    <message id="No usable answer">
        <source></source>
        <translation>Aucune réponse exploitable</translation>
    </message>
    <message id="Full screen">
        <source></source>
        <translation>Plein écran</translation>
    </message>
    <message id="Home folder">
        <source></source>
        <translation>Dossier personnel</translation>
    </message>
    <message id="Up one folder">
        <source></source>
        <translation>Dossier parent</translation>
    </message>
    <message id="Drives">
        <source></source>
        <translation>Lecteurs</translation>
    </message>
    <message id="Make this the default folder">
        <source></source>
        <translation>Définir comme dossier par défaut</translation>
    </message>
    <message id="Play files at once">
        <source></source>
        <translation>Lire les fichiers immédiatement</translation>
    </message>
    <message id="Add files to the playlist">
        <source></source>
        <translation>Ajouter les fichiers à la liste de lecture</translation>
    </message>
    <message id="Added to the playlist: %@">
        <source></source>
        <translation>Ajouté à la liste de lecture : %@</translation>
    </message>
    <message id="No address is given.">
        <source></source>
        <translation>Aucune adresse n’est indiquée.</translation>
    </message>
    <message id="'%@' is more than an address: give only the computer's name or address, and the port after a colon if it is not 8080.">
        <source></source>
        <translation>&apos;%@&apos; est plus qu’une adresse : indiquez seulement le nom ou l’adresse de l’ordinateur, et le port après deux-points s’il n’est pas 8080.</translation>
    </message>
    <message id="'%@': the port after the colon must be a number from 1 to 65535.">
        <source></source>
        <translation>&apos;%@&apos; : le port après les deux-points doit être un nombre de 1 à 65535.</translation>
    </message>
    <message id="'%@' is not the name or address of a computer.">
        <source></source>
        <translation>&apos;%@&apos; n’est ni le nom ni l’adresse d’un ordinateur.</translation>
    </message>
    <message id="Reload the news">
        <source></source>
        <translation>Recharger les actualités</translation>
    </message>
    <message id="Search the playlist">
        <source></source>
        <translation>Rechercher dans la liste de lecture</translation>
    </message>
    <message id="Empty the playlist">
        <source></source>
        <translation>Vider la liste de lecture</translation>
    </message>
    <message id="Change Address">
        <source></source>
        <translation>Modifier l’adresse</translation>
    </message>
    <message id="Forward">
        <source></source>
        <translation>Suivant</translation>
    </message>
    <message id="Reload">
        <source></source>
        <translation>Recharger</translation>
    </message>
    <message id="%dm">
        <source></source>
        <translation>%dm</translation>
    </message>
    <message id="the images of &quot;%@&quot; are outside its folder or too large">
        <source></source>
        <translation>les images de « %@ » sont hors de son dossier ou trop grandes</translation>
    </message>
    <message id="No usable answer from %@">
        <source></source>
        <translation>Aucune réponse exploitable de %@</translation>
    </message>
    <message id="Move up">
        <source></source>
        <translation>Monter</translation>
    </message>
    <message id="Move down">
        <source></source>
        <translation>Descendre</translation>
    </message>
    <message id="Index">
        <source></source>
        <translation>Index</translation>
    </message>
    <message id="VLC does not say which track plays. The one you choose is ticked.">
        <source></source>
        <translation>VLC n’indique pas la piste en cours. Celle que vous choisissez est cochée.</translation>
    </message>
    <message id="What plays has no titles or chapters.">
        <source></source>
        <translation>La lecture en cours n’a ni titres ni chapitres.</translation>
    </message>
    <message id="Delays">
        <source></source>
        <translation>Décalages</translation>
    </message>
    <message id="Current Delay: %@ s">
        <source></source>
        <translation>Décalage actuel : %@ s</translation>
    </message>
    <message id="1 Minute">
        <source></source>
        <translation>1 minute</translation>
    </message>
    <message id="Use as subtitles">
        <source></source>
        <translation>Utiliser comme sous-titres</translation>
    </message>
    <message id="Subtitles added: %@">
        <source></source>
        <translation>Sous-titres ajoutés : %@</translation>
    </message>
    <message id="Equalizer">
        <source></source>
        <translation>Égaliseur</translation>
    </message>
    <message id="%1 dB">
        <source></source>
        <translation>%1 dB</translation>
    </message>
    <message id="This VLC does not tell of an equalizer.">
        <source></source>
        <translation>Ce VLC ne signale aucun égaliseur.</translation>
    </message>
    <message id="Preamp">
        <source></source>
        <translation>Préampli</translation>
    </message>
    <message id="Presets">
        <source></source>
        <translation>Préréglages</translation>
    </message>
    <message id="Pause all">
        <source></source>
        <translation>Tout en pause</translation>
    </message>
    <message id="Open address...">
        <source></source>
        <translation>Ouvrir une adresse…</translation>
    </message>
    <message id="Add to playlist">
        <source></source>
        <translation>Ajouter à la liste de lecture</translation>
    </message>
    <message id="Address">
        <source></source>
        <translation>Adresse</translation>
    </message>
    <message id="Sort the playlist">
        <source></source>
        <translation>Trier la liste de lecture</translation>
    </message>
    <message id="By title">
        <source></source>
        <translation>Par titre</translation>
    </message>
    <message id="By artist">
        <source></source>
        <translation>Par artiste</translation>
    </message>
    <message id="By album">
        <source></source>
        <translation>Par album</translation>
    </message>
    <message id="By duration">
        <source></source>
        <translation>Par durée</translation>
    </message>
    <message id="In random order">
        <source></source>
        <translation>Dans un ordre aléatoire</translation>
    </message>
    <message id="Reverse order">
        <source></source>
        <translation>Ordre inverse</translation>
    </message>
    <message id="Sort">
        <source></source>
        <translation>Trier</translation>
    </message>
    <message id="Enter the address of a stream, such as https:// and the rest of it.">
        <source></source>
        <translation>Saisissez l’adresse d’un flux, comme https:// suivi du reste.</translation>
    </message>
    <message id="The address is too long: at most %d characters.">
        <source></source>
        <translation>L’adresse est trop longue : %d caractères au plus.</translation>
    </message>
    <message id="An address has no spaces (a space in a name is written %20).">
        <source></source>
        <translation>Une adresse ne contient pas d’espace (une espace dans un nom s’écrit %20).</translation>
    </message>
    <message id="The address holds a line break, a tab or another invisible character.">
        <source></source>
        <translation>L’adresse contient un saut de ligne, une tabulation ou un autre caractère invisible.</translation>
    </message>
    <message id="The address must begin with its kind, such as http:// or rtsp://.">
        <source></source>
        <translation>L’adresse doit commencer par son type, comme http:// ou rtsp://.</translation>
    </message>
    <message id="VLC cannot be sent &quot;%@&quot; addresses from here; it takes %@.">
        <source></source>
        <translation>On ne peut pas envoyer d’adresses « %@ » à VLC d’ici ; il accepte %@.</translation>
    </message>
    <message id="The address names no computer after its kind, such as example.com in http://example.com/.">
        <source></source>
        <translation>L’adresse ne nomme aucun ordinateur après son type, comme example.com dans http://example.com/.</translation>
    </message>
    <message id="This is not an address VLC can open.">
        <source></source>
        <translation>Ce n’est pas une adresse que VLC peut ouvrir.</translation>
    </message>
    <message id="Play on VLC from this computer">
        <source></source>
        <translation>Lire sur VLC depuis cet ordinateur</translation>
    </message>
    <message id="Next computer">
        <source></source>
        <translation>Ordinateur suivant</translation>
    </message>
    <message id="Previous computer">
        <source></source>
        <translation>Ordinateur précédent</translation>
    </message>
    <message id="Swipe sideways, or press Ctrl+Tab, for the next computer">
        <source></source>
        <translation>Balayez sur le côté, ou appuyez sur Ctrl+Tab, pour l&apos;ordinateur suivant</translation>
    </message>
    <message id="Files to play on VLC">
        <source></source>
        <translation>Fichiers à lire sur VLC</translation>
    </message>
    <message id="Play files of this computer...">
        <source></source>
        <translation>Lire des fichiers de cet ordinateur…</translation>
    </message>
    <message id="Served from this computer">
        <source></source>
        <translation>Partagés depuis cet ordinateur</translation>
    </message>
    <message id="Stop serving the files">
        <source></source>
        <translation>Cesser de partager les fichiers</translation>
    </message>
    <message id="The file cannot be played">
        <source></source>
        <translation>Le fichier ne peut pas être lu</translation>
    </message>
    <message id="Choose a computer first: the file is played by its VLC.">
        <source></source>
        <translation>Choisissez d&apos;abord un ordinateur : c&apos;est son VLC qui lit le fichier.</translation>
    </message>
    <message id="Only files can be played, not folders, and the file must still be there.">
        <source></source>
        <translation>Seuls des fichiers peuvent être lus, pas des dossiers, et le fichier doit toujours exister.</translation>
    </message>
    <message id="You may not read this file.">
        <source></source>
        <translation>Vous n&apos;avez pas le droit de lire ce fichier.</translation>
    </message>
    <message id="The computer's name could not be found on the network.">
        <source></source>
        <translation>Le nom de l&apos;ordinateur est introuvable sur le réseau.</translation>
    </message>
    <message id="This computer has no way to the computer with VLC.">
        <source></source>
        <translation>Cet ordinateur n&apos;a aucun chemin vers l&apos;ordinateur de VLC.</translation>
    </message>
    <message id="The file could not be offered on the network.">
        <source></source>
        <translation>Le fichier n&apos;a pas pu être proposé sur le réseau.</translation>
    </message>
    <message id="VLC did not take the file into its playlist.">
        <source></source>
        <translation>VLC n&apos;a pas pris le fichier dans sa liste de lecture.</translation>
    </message>
    <message id="VLC did not answer.">
        <source></source>
        <translation>VLC n&apos;a pas répondu.</translation>
    </message>
    <message id="Switch to another computer">
        <source></source>
        <translation>Passer à un autre ordinateur</translation>
    </message>
</context>
</TS>
