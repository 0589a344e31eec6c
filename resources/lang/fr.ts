<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Load Config</source>
        <translation>&amp;Charger la configuration</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Récepteur déconnecté !</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>La souris est en veille ou non connectée.</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>Échec de l'envoi des données, veuillez réessayer.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Appuyez sur Entrée pour appliquer</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RÉINITIALISER</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>AJOUTER</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>SUPPRIMER</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPIER</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Tout réinitialiser</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>CHARGER</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>ÉCLAIRAGE</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>BOUTONS</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Dessus</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 HZ</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 HZ</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 HZ</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 HZ</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>Ce profil existe déjà !</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>Ce profil est déjà utilisé !</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>Le profil par défaut ne peut être ni supprimé ni renommé.</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>AU MOINS UN PROFIL DOIT ÊTRE CONSERVÉ.</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>AU MOINS UNE FONCTION DE CLIC DOIT ÊTRE CONSERVÉE.</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Voulez-vous vraiment réinitialiser ce profil ?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Voulez-vous vraiment réinitialiser tous les profils ?</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Voulez-vous vraiment supprimer ce profil ?</translation>
    </message>
    <message>
        <source>Invalid profile name!</source>
        <translation>Nom de profil non valide !</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>Ce fichier ne correspond pas à la souris actuelle !</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Le fichier n'a pas pu être écrit.</translation>
    </message>
    <message>
        <source>No mouse settings program of the desktop could be started.</source>
        <translation>Aucun programme de réglage de la souris de ce bureau n'a pu être lancé.</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Enregistrer le fichier de configuration</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Charger un fichier de configuration</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>Fichier de configuration(*.conf)</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Enregistrer le fichier de profil</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Charger un fichier de profil</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>Fichier de profil(*.prof)</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Voulez-vous mettre à jour le micrologiciel ?</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>Pour mettre à jour le micrologiciel, reliez la souris à l'ordinateur par câble.</translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation>Le programme de mise à jour n'a pas pu être lancé.</translation>
    </message>
    <message>
        <source>Mouse Sleep</source>
        <translation>Souris en veille</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>TEMPS DE VEILLE</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> MINUTE</translation>
    </message>
    <message>
        <source>REPORT RATE</source>
        <translation>TAUX DE RAPPORT</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>Distance de levée</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>Lier X et Y</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 mm</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFET</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>LUMINOSITÉ</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>VITESSE</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COULEUR</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>ÉTEINDRE EN MOUVEMENT</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ÉTEINT</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>ALLUMÉ</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>RESPIRATION</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>RESPIRATION 7 COULEURS</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>ARC-EN-CIEL</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>CLIGNOTEMENT</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>Vague horizontale</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>Trace horizontale</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Goutte de pluie</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>VAGUE</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>SANS TRACE</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>RÉACTIF</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>yo-yo</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Billes</translation>
    </message>
    <message>
        <source>Key Response</source>
        <translation>Réponse des touches</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>Activer la synchro</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>Distance de levée</translation>
    </message>
    <message>
        <source>1mm</source>
        <translation>1mm</translation>
    </message>
    <message>
        <source>2mm</source>
        <translation>2mm</translation>
    </message>
    <message>
        <source>Mouse Setting</source>
        <translation>Réglages souris</translation>
    </message>
    <message>
        <source>Angle Snapping</source>
        <translation>Correction d'angle</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Anti-tremblement</translation>
    </message>
    <message>
        <source>Sensor Mode</source>
        <translation>Mode du capteur</translation>
    </message>
    <message>
        <source>Eco</source>
        <translation>Éco</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Competitive</source>
        <translation>Compétition</translation>
    </message>
    <message>
        <source>Motion Wake</source>
        <translation>Réveil au mouvement</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droit</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Taux de rapport</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Gestion des macros</translation>
    </message>
    <message>
        <source>LED SWITCH</source>
        <translation>ÉCLAIRAGE MARCHE/ARRÊT</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>Éclairage marche/arrêt</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Bouton désactivé</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>Gestion des fichiers de tir</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>Changer de fenêtre</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Poste de travail</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>Verrouiller le PC</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>TOUCHE SIMPLE</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>COMBINAISON</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>TIR RAPIDE</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Lecteur multimédia</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>Changer de DPI</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>Taux +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>Taux -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>Changer de profil</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>Profil +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>Profil -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Défilement haut</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Défilement bas</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Touche simple</translation>
    </message>
    <message>
        <source>Combo Key</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>FireKey Setting</source>
        <translation>Réglage du tir rapide</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>Touche du clavier</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Fois :</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Délai :</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NOUVEAU</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>MONTER</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>DESCENDRE</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>MODIFIER</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>EN HAUT</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>EN BAS</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>EFFACER</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>COUPER</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>COLLER</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>ENREGISTRER APRÈS</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>ACTION SOURIS</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>RENOMMER</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>INSÉRER UN DÉLAI</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>RÉGLAGE DU TIR</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTER</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTER</translation>
    </message>
    <message>
        <source>START</source>
        <translation>DÉMARRER</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>ARRÊTER</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>LOT</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>ENREGISTRER LES DÉLAIS ENTRE ACTIONS</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>INSÉRER LE DÉLAI PAR DÉFAUT</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>RÉPÉTITIONS (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>RÉPÉTER TANT QUE LA TOUCHE EST ENFONCÉE</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>RÉPÉTER JUSQU'À LA PROCHAINE PRESSION</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>RÉPÉTER JUSQU'À LA PROCHAINE PRESSION</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>NOM DE LA MACRO</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>TOUCHE</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>DÉLAI</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>MOUVEMENT</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>DISTANCE</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>ACTION</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>DÉLAI(ms)</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>COMMANDE SOURIS</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>CLIC GAUCHE</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>CLIC MILIEU</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>CLIC DROIT</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>SUIVANT</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>PRÉCÉDENT</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>VERS LA GAUCHE</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>VERS LA DROITE</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>APPUYER</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>RELÂCHER</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Appui</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Relâchement</translation>
    </message>
    <message>
        <source>Sniper Setting</source>
        <translation>Réglage du sniper</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>SÉLECTION DE MACRO</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>SÉLECTION DU FICHIER D'ARME</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Accueil du navigateur</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Arrêter le chargement</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Courrier</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>Touche patron</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>Changer le taux</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>Menu des profils</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Le bouton gauche ne peut pas recevoir un fichier de tir.</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Veuillez saisir un nom de fichier.</translation>
    </message>
    <message>
        <source>A file name cannot hold / \ : * ? &quot; &lt; &gt; | or a control character, nor be &quot;.&quot; or &quot;..&quot;.</source>
        <translation>Un nom de fichier ne peut pas contenir / \ : * ? &quot; &lt; &gt; | ni de caractère de contrôle, ni être &quot;.&quot; ou &quot;..&quot;.</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Le nom de fichier est trop long.</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>GUN EDIT</source>
        <translation>MODIFIER LE TIR</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
</context>
<context>
    <name>KestMessageBox</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>KestPopBox</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>KestSingleKeyWindow</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>KestComboKeyWindow</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>KestFireKeyWindow</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>KestMacroSelect</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>KestGunsetDialog</name>
    <message>
        <source>GUN SET</source>
        <translation>RÉGLAGE DU TIR</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>NOM DU FICHIER</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>BALLES</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>DÉLAI (MS)</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>KestGunEditDialog</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>NEW</source>
        <translation>NOUVEAU</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>SUPPRIMER</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>MONTER</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>DESCENDRE</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>MODIFIER</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>EN HAUT</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>EN BAS</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>EFFACER</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPIER</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>COUPER</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>COLLER</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>ENREGISTRER APRÈS</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>ACTION SOURIS</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>RENOMMER</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>INSÉRER UN DÉLAI</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>RÉGLAGE DU TIR</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTER</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTER</translation>
    </message>
    <message>
        <source>START</source>
        <translation>DÉMARRER</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>ARRÊTER</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>ENREGISTRER LES DÉLAIS ENTRE ACTIONS</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>INSÉRER LE DÉLAI PAR DÉFAUT</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>BOUCLES (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>TANT QUE TOUCHE ENFONCÉE</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>JUSQU'AU PROCHAIN APPUI</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>NOM DE LA MACRO</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>LOT</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>TOUCHE</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>DÉLAI</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>MOUVEMENT</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>DISTANCE</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>COMMANDE SOURIS</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>CLIC GAUCHE</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>CLIC MILIEU</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>CLIC DROIT</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>SUIVANT</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>PRÉCÉDENT</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>À GAUCHE</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>À DROITE</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>APPUYER</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>RELÂCHER</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>ACTION</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>DÉLAI(ms)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>AVERTISSEMENT</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>UNE OU PLUSIEURS TOUCHES N'ONT PAS ÉTÉ RELÂCHÉES.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Le fichier n'a pas pu être écrit.</translation>
    </message>
    <message>
        <source>A file of the same name is already in the folder; these macros were not written: %1</source>
        <translation>Un fichier du même nom est déjà dans le dossier ; ces macros n'ont pas été écrites : %1</translation>
    </message>
    <message>
        <source>These macros were not written: %1</source>
        <translation>Ces macros n'ont pas été écrites : %1</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>IL Y A DÉJÀ TROP DE MACROS !</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>Cette macro existe déjà !</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>Charger un fichier de macro</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Enregistrer le fichier de macro</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Fichier de macro(*.MSMACRO)</translation>
    </message>
</context>
<context>
    <name>KestMacroItemDelegate</name>
    <message>
        <source>LEFT CLICK</source>
        <translation>CLIC GAUCHE</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>CLIC DROIT</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>CLIC MILIEU</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>SUIVANT</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>PRÉCÉDENT</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>À GAUCHE</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>À DROITE</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>MONTER</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>DESCENDRE</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Appui</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Relâchement</translation>
    </message>
</context>
</TS>
