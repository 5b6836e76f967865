<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>pelorin::AboutAuthor</name>
    <message>
        <source>About Author</source>
        <translation>À propos de l&apos;auteur</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>Pour en savoir plus sur l&apos;auteur, consultez le site web :</translation>
    </message>
    <message>
        <source>     https://example.org/pelorin</source>
        <translation>     https://example.org/pelorin</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>pelorin::AboutPelorin</name>
    <message>
        <source>About Pelorin</source>
        <translation>À propos de Pelorin</translation>
    </message>
    <message>
        <source>Pelorin icon</source>
        <translation>Icône de Pelorin</translation>
    </message>
    <message>
        <source>Quorvel Software icon</source>
        <translation>Icône de Quorvel Software</translation>
    </message>
    <message>
        <source>Pelorin version 1.0</source>
        <translation>Pelorin version 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) Quorvel Software</source>
        <translation>Copyright (C) Quorvel Software</translation>
    </message>
    <message>
        <source>Written by the Pelorin developers</source>
        <translation>Écrit par les développeurs de Pelorin</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to pelorin@example.org</source>
        <translation>Vos remarques et idées sur ce programme sont les bienvenues à pelorin@example.org</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>pelorin::AboutQuorvel</name>
    <message>
        <source>About Quorvel Software</source>
        <translation>À propos de Quorvel Software</translation>
    </message>
    <message>
        <source>Quorvel Software icon</source>
        <translation>Icône de Quorvel Software</translation>
    </message>
    <message>
        <source>To find out more about Quorvel Software and about other programs made by Quorvel Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>Pour en savoir plus sur Quorvel Software et ses autres programmes, consultez notre site web, accessible depuis l&apos;adresse : </translation>
    </message>
    <message>
        <source>      https://example.com/quorvel</source>
        <translation>      https://example.com/quorvel</translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Quorvel Software&apos;s home pae if you send an e-mail to:</source>
        <translation> Vous pouvez aussi écrire à l&apos;adresse suivante : nous vous enverrons l&apos;adresse actuelle du site de Quorvel Software.</translation>
    </message>
    <message>
        <source>      quorvel@example.com</source>
        <translation>      quorvel@example.com</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>pelorin::BoardDelegate</name>
    <message>
        <source>Parent</source>
        <translation>Parent</translation>
    </message>
</context>
<context>
    <name>pelorin::CellGridView</name>
    <message>
        <source>Picture %1</source>
        <translation>Image %1</translation>
    </message>
    <message>
        <source>%1, closed</source>
        <translation>%1, fermée</translation>
    </message>
</context>
<context>
    <name>pelorin::EmbeddedCode</name>
    <message>
        <source>zlib cannot start</source>
        <translation>zlib ne peut pas démarrer</translation>
    </message>
    <message>
        <source>its text chunk inflates to more than %1 KiB</source>
        <translation>son bloc de texte décompressé dépasse %1 Kio</translation>
    </message>
    <message>
        <source>its text chunk&apos;s compressed data is damaged</source>
        <translation>les données compressées de son bloc de texte sont endommagées</translation>
    </message>
    <message>
        <source>its text chunk is damaged</source>
        <translation>son bloc de texte est endommagé</translation>
    </message>
    <message>
        <source>it has more than %1 chunks</source>
        <translation>il a plus de %1 blocs</translation>
    </message>
    <message>
        <source>the PNG file ends before its last chunk</source>
        <translation>le fichier PNG se termine avant son dernier bloc</translation>
    </message>
    <message>
        <source>the PNG file is damaged at byte %1</source>
        <translation>le fichier PNG est endommagé à l&apos;octet %1</translation>
    </message>
    <message>
        <source>the PNG file ends inside its %1 chunk</source>
        <translation>le fichier PNG se termine au milieu de son bloc %1</translation>
    </message>
    <message>
        <source>its text chunk is larger than %1 KiB</source>
        <translation>son bloc de texte dépasse %1 Kio</translation>
    </message>
    <message>
        <source>the PNG file ends early</source>
        <translation>le fichier PNG se termine trop tôt</translation>
    </message>
    <message>
        <source>its text chunk fails its CRC check</source>
        <translation>son bloc de texte échoue au contrôle CRC</translation>
    </message>
    <message>
        <source>its elements nest more than %1 deep</source>
        <translation>ses éléments sont imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>none in its first %1 KiB</source>
        <translation>aucun dans ses %1 premiers Kio</translation>
    </message>
    <message>
        <source>its XML is not well-formed in line %1: %2</source>
        <translation>son XML n&apos;est pas bien formé à la ligne %1 : %2</translation>
    </message>
</context>
<context>
    <name>pelorin::ErrorMR</name>
    <message>
        <source>ErrorMR</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The Mutation Rate must be a number.</source>
        <translation>Le taux de mutation doit être un nombre.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>pelorin::Failure</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice hors de l&apos;intervalle</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Type incompatible</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Lecture au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Erreur d&apos;accès au fichier</translation>
    </message>
    <message>
        <source>Invalid arithmetic operation</source>
        <translation>Opération arithmétique non valide</translation>
    </message>
    <message>
        <source>No Pelorin genetic code</source>
        <translation>Aucun code génétique Pelorin</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>%1 holds no Pelorin genetic code.</source>
        <translation>%1 ne contient aucun code génétique Pelorin.</translation>
    </message>
    <message>
        <source>%1 holds no readable Pelorin genetic code: %2.</source>
        <translation>%1 ne contient aucun code génétique Pelorin lisible : %2.</translation>
    </message>
    <message>
        <source>%1 in line %2</source>
        <translation>%1 à la ligne %2</translation>
    </message>
    <message>
        <source>%1 in line %2 of %3</source>
        <translation>%1 à la ligne %2 de %3</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 dans %2</translation>
    </message>
</context>
<context>
    <name>pelorin::FamilyTreeView</name>
    <message>
        <source>Picture %1</source>
        <translation>Image %1</translation>
    </message>
    <message>
        <source>%1, run of %2</source>
        <translation>%1, session du %2</translation>
    </message>
    <message>
        <source>%1, closed</source>
        <translation>%1, fermée</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Parent: %1</source>
        <translation>Parent : %1</translation>
    </message>
    <message>
        <source>Child: %1</source>
        <translation>Enfant : %1</translation>
    </message>
</context>
<context>
    <name>pelorin::FileAccess</name>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>pelorin::GeneticCodeFile</name>
    <message>
        <source>separator</source>
        <translation>séparateur</translation>
    </message>
    <message>
        <source>%1 of gene %2</source>
        <translation>%1 du gène %2</translation>
    </message>
</context>
<context>
    <name>pelorin::GeneticCodeModel</name>
    <message>
        <source>picture %1</source>
        <translation>image %1</translation>
    </message>
    <message>
        <source>%1: 1 trait (%2%)</source>
        <translation>%1 : 1 caractère (%2 %)</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n traits (%2%)</source>
        <translation>
            <numerusform>%1 : %n caractère (%2 %)</numerusform>
            <numerusform>%1 : %n caractères (%2 %)</numerusform>
        </translation>
    </message>
    <message>
        <source>from picture %1</source>
        <translation>de l&apos;image %1</translation>
    </message>
    <message>
        <source>random</source>
        <translation>aléatoire</translation>
    </message>
    <message>
        <source>mutated</source>
        <translation>muté</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>from the clipboard</source>
        <translation>du presse-papiers</translation>
    </message>
    <message>
        <source>from the file %1</source>
        <translation>du fichier %1</translation>
    </message>
    <message>
        <source>not in the file</source>
        <translation>absent du fichier</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>non défini</translation>
    </message>
    <message>
        <source>%1 (not drawn)</source>
        <translation>%1 (non dessiné)</translation>
    </message>
</context>
<context>
    <name>pelorin::GeneticCodeWindow</name>
    <message>
        <source>Grey italic rows: 1 gene not drawn.</source>
        <translation>Lignes grises en italique : 1 gène non dessiné.</translation>
    </message>
    <message numerus="yes">
        <source>Grey italic rows: %n genes not drawn.</source>
        <translation>
            <numerusform>Lignes grises en italique : %n gène non dessiné.</numerusform>
            <numerusform>Lignes grises en italique : %n gènes non dessinés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Genetic code of picture %1</source>
        <translation>Code génétique de l&apos;image %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>pelorin::HistoryCellDelegate</name>
    <message>
        <source>closed</source>
        <translation>fermée</translation>
    </message>
</context>
<context>
    <name>pelorin::HistoryCellsModel</name>
    <message>
        <source>Picture %1: damaged, %2</source>
        <translation>Image %1 : endommagée, %2</translation>
    </message>
    <message>
        <source>Damaged: %1</source>
        <translation>Endommagée : %1</translation>
    </message>
    <message>
        <source>%1, closed</source>
        <translation>%1, fermée</translation>
    </message>
</context>
<context>
    <name>pelorin::HistoryKeeper</name>
    <message>
        <source>Pelorin</source>
        <translation>Pelorin</translation>
    </message>
    <message>
        <source>reopening picture %1</source>
        <translation>la réouverture de l&apos;image %1</translation>
    </message>
    <message>
        <source>The last run is still being recorded by another Pelorin, so it cannot be resumed.</source>
        <translation>La dernière session est encore enregistrée par un autre Pelorin : elle ne peut pas être reprise.</translation>
    </message>
    <message>
        <source>The last run is still being recorded by another Pelorin: this resumes the run of %1.</source>
        <translation>La dernière session est encore enregistrée par un autre Pelorin : la session reprise est celle du %1.</translation>
    </message>
    <message>
        <source>making picture %1 from %2</source>
        <translation>la création de l&apos;image %1 à partir de %2</translation>
    </message>
    <message>
        <source>bringing back picture %1</source>
        <translation>le retour de l&apos;image %1</translation>
    </message>
    <message>
        <source>picture %1 (%2)</source>
        <translation>image %1 (%2)</translation>
    </message>
    <message>
        <source>a picture (%1)</source>
        <translation>une image (%1)</translation>
    </message>
    <message>
        <source>The history %1 holds a record that cannot be read: %2. It was left out; the history goes on recording.</source>
        <translation>L&apos;historique %1 contient un enregistrement illisible : %2. Il a été ignoré ; l&apos;historique continue d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>The history %1 holds records that cannot be read: %2. They were left out; the history goes on recording.</source>
        <translation>L&apos;historique %1 contient des enregistrements illisibles : %2. Ils ont été ignorés ; l&apos;historique continue d&apos;enregistrer.</translation>
    </message>
</context>
<context>
    <name>pelorin::HistoryRunsModel</name>
    <message>
        <source> (this run)</source>
        <translation> (cette session)</translation>
    </message>
    <message>
        <source> (continued)</source>
        <translation> (reprise)</translation>
    </message>
    <message>
        <source>This run, started %1, ended %2: %3, %4 open</source>
        <translation>Cette session, commencée le %1, terminée le %2 : %3 (ouvertes : %4)</translation>
    </message>
    <message>
        <source>This run, started %1: %2, %3 open</source>
        <translation>Cette session, commencée le %1 : %2 (ouvertes : %3)</translation>
    </message>
    <message>
        <source>The run started %1, ended %2: %3, %4 open</source>
        <translation>La session commencée le %1, terminée le %2 : %3 (ouvertes : %4)</translation>
    </message>
    <message>
        <source>The run started %1, never ended (the program was stopped, or is still running): %2, %3 open</source>
        <translation>La session commencée le %1, jamais terminée (le programme a été interrompu ou tourne encore) : %2 (ouvertes : %3)</translation>
    </message>
    <message>
        <source>%1; this run continues it</source>
        <translation>%1 ; cette session la poursuit</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvertes</translation>
    </message>
</context>
<context>
    <name>pelorin::Info</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Pelorin is a program that makes pictures using a Genetic Algorithm. When the you create a new picture, this program  creates a &quot;Genetic Code&quot; for that picture. This genetic code comes from two places: mutations, and the parents. When a gene mutates, it takes on a random value. If a gene doesn&apos;t mutate, it is taken randomly from one of the parents (a picture with the parent check box selected. It also is possible to save a picture (by typing the place where it is to be saved in the Name text box) and open a picture (by typing in the name of the file containing the &quot;Genetic Code&quot; into the text box to the right of the Open button. When saving a picture however, be careful because if the file you named exists, it will be overwritten.</source>
        <translation>Pelorin est un programme qui crée des images à l&apos;aide d&apos;un algorithme génétique. Quand vous créez une image, le programme crée pour elle un « code génétique ». Ce code génétique a deux sources : les mutations et les parents. Quand un gène mute, il prend une valeur aléatoire. Sinon, il est pris au hasard chez l&apos;un des parents (une image dont la case « Parent » est cochée). Vous pouvez aussi enregistrer une image (en tapant l&apos;emplacement voulu dans la zone de texte Nom) et ouvrir une image (en tapant le nom du fichier qui contient le « code génétique » dans la zone de texte à droite du bouton Ouvrir). Attention en enregistrant : si le fichier indiqué existe, il sera écrasé.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>pelorin::License</name>
    <message>
        <source>License</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>The current License Agreement, and Registration Information are available  from the Quorvel Software Home Page (see Info-&gt;About-&gt;Quorvel)</source>
        <translation>Le contrat de licence en vigueur et les informations d&apos;enregistrement se trouvent sur le site de Quorvel Software (voir Info-&gt;À propos-&gt;Quorvel).</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>pelorin::PictureExport</name>
    <message>
        <source>Picture %1</source>
        <translation>Image %1</translation>
    </message>
    <message>
        <source>The image could not be encoded as PNG</source>
        <translation>L&apos;image n&apos;a pas pu être encodée en PNG</translation>
    </message>
</context>
<context>
    <name>pelorin::PictureMime</name>
    <message>
        <source>dragging picture %1</source>
        <translation>le glisser de l&apos;image %1</translation>
    </message>
</context>
<context>
    <name>pelorin::PictureOrigin</name>
    <message numerus="yes">
        <source>%n parents</source>
        <translation>
            <numerusform>%n parent</numerusform>
            <numerusform>%n parents</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Picture %1: not made</source>
        <translation>Image %1 : non créée</translation>
    </message>
    <message>
        <source>Picture %1: random at mutation rate %2</source>
        <translation>Image %1 : aléatoire au taux de mutation %2</translation>
    </message>
    <message>
        <source>Picture %1: random</source>
        <translation>Image %1 : aléatoire</translation>
    </message>
    <message>
        <source>Picture %1: bred from %2 at mutation rate %3</source>
        <translation>Image %1 : croisée à partir de %2 au taux de mutation %3</translation>
    </message>
    <message>
        <source>Picture %1: read from %2, saved from %3, at mutation rate %4</source>
        <translation>Image %1 : lue depuis %2, enregistrée depuis %3, au taux de mutation %4</translation>
    </message>
    <message>
        <source>Picture %1: read from %2 at mutation rate %3</source>
        <translation>Image %1 : lue depuis %2 au taux de mutation %3</translation>
    </message>
    <message>
        <source>Picture %1: pasted from the clipboard at mutation rate %2</source>
        <translation>Image %1 : collée depuis le presse-papiers au taux de mutation %2</translation>
    </message>
    <message>
        <source>Picture %1: from %2</source>
        <translation>Image %1 : depuis %2</translation>
    </message>
    <message>
        <source>Picture %1: from a recorded picture</source>
        <translation>Image %1 : depuis une image enregistrée</translation>
    </message>
    <message>
        <source>%1; %2 of %3 traits mutated</source>
        <translation>%1 ; caractères mutés : %2 sur %3</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>image %1</translation>
    </message>
    <message>
        <source>picture %1 of the run of %2</source>
        <translation>image %1 de la session du %2</translation>
    </message>
</context>
<context>
    <name>pelorin::PictureView</name>
    <message>
        <source>Nothing drawn</source>
        <translation>Rien de dessiné</translation>
    </message>
    <message>
        <source>%1 of %2 segments drawn</source>
        <translation>Segments dessinés : %1 sur %2</translation>
    </message>
</context>
<context>
    <name>pelorin::PicturesText</name>
    <message>
        <source>1 picture</source>
        <translation>1 image</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n image</numerusform>
            <numerusform>%n images</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelorin::RunDate</name>
    <message>
        <source>d MMM yyyy HH:mm:ss</source>
        <comment>date format</comment>
        <translation>dd/MM/yyyy HH:mm:ss</translation>
    </message>
    <message>
        <source>d MMM yyyy HH:mm</source>
        <comment>date format</comment>
        <translation>dd/MM/yyyy HH:mm</translation>
    </message>
</context>
<context>
    <name>pelorin::UserMessages</name>
    <message>
        <source>Pelorin could not finish what it was doing: not enough memory.</source>
        <translation>Pelorin n&apos;a pas pu terminer ce qu&apos;il faisait : mémoire insuffisante.</translation>
    </message>
    <message>
        <source>Pelorin could not finish what it was doing: an unexpected error occurred.</source>
        <translation>Pelorin n&apos;a pas pu terminer ce qu&apos;il faisait : une erreur inattendue s&apos;est produite.</translation>
    </message>
    <message>
        <source>Could not finish %1: not enough memory.</source>
        <translation>Impossible de terminer %1 : mémoire insuffisante.</translation>
    </message>
    <message>
        <source>Could not finish %1: an unexpected error occurred.</source>
        <translation>Impossible de terminer %1 : une erreur inattendue s&apos;est produite.</translation>
    </message>
    <message>
        <source>Pelorin</source>
        <translation>Pelorin</translation>
    </message>
</context>
<context>
    <name>pelorin::frmBoard</name>
    <message>
        <source>Board</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open a picture as the main window&apos;s Open does (Ctrl+O)</source>
        <translation>Ouvrir une image comme le bouton Ouvrir de la fenêtre principale (Ctrl+O)</translation>
    </message>
    <message>
        <source>Open pictures</source>
        <translation>Images ouvertes</translation>
    </message>
    <message>
        <source>Close Picture Window</source>
        <translation>Fermer la fenêtre de l&apos;image</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Whole Paths</source>
        <translation>&amp;Chemins entiers</translation>
    </message>
    <message>
        <source>Bring to Front</source>
        <translation>Mettre au premier plan</translation>
    </message>
</context>
<context>
    <name>pelorin::frmFamilyTree</name>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>PNG image, 2x (*.png)</source>
        <translation>Image PNG, 2x (*.png)</translation>
    </message>
    <message>
        <source>&amp;Whole Paths</source>
        <translation>&amp;Chemins entiers</translation>
    </message>
    <message>
        <source>Show each picture&apos;s whole path, framed to its cell</source>
        <translation>Montrer le chemin entier de chaque image, cadré dans sa case</translation>
    </message>
    <message>
        <source>Family tree</source>
        <translation>Arbre généalogique</translation>
    </message>
    <message>
        <source>Family Tree of This Picture</source>
        <translation>Arbre généalogique de cette image</translation>
    </message>
    <message>
        <source>Export Family Tree...</source>
        <translation>Exporter l&apos;arbre généalogique...</translation>
    </message>
    <message>
        <source>Whole Tree</source>
        <translation>Arbre entier</translation>
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
        <source>Family tree of picture %1</source>
        <translation>Arbre généalogique de l&apos;image %1</translation>
    </message>
    <message>
        <source>Family tree of picture %1, run of %2</source>
        <translation>Arbre généalogique de l&apos;image %1, session du %2</translation>
    </message>
    <message>
        <source>Another program is writing the history: the tree is read once it is done.</source>
        <translation>Un autre programme écrit l&apos;historique : l&apos;arbre sera lu dès qu&apos;il aura fini.</translation>
    </message>
    <message>
        <source>The history is not available.</source>
        <translation>L&apos;historique n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>This picture is not in the history.</source>
        <translation>Cette image n&apos;est pas dans l&apos;historique.</translation>
    </message>
    <message>
        <source>Laying out the family tree...</source>
        <translation>Disposition de l&apos;arbre généalogique...</translation>
    </message>
    <message>
        <source>Picture %1: damaged, %2</source>
        <translation>Image %1 : endommagée, %2</translation>
    </message>
    <message>
        <source>%1, closed</source>
        <translation>%1, fermée</translation>
    </message>
    <message>
        <source>From %1 to %2: %3% of its traits; %4 of %5 traits mutated</source>
        <translation>De %1 à %2 : %3 % de ses caractères ; caractères mutés : %4 sur %5</translation>
    </message>
    <message>
        <source>The family could not be read from the history.</source>
        <translation>La famille n&apos;a pas pu être lue depuis l&apos;historique.</translation>
    </message>
    <message>
        <source>laying out the family tree</source>
        <translation>la disposition de l&apos;arbre généalogique</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Image %1</translation>
    </message>
    <message>
        <source>family-tree-%1.svg</source>
        <translation>family-tree-%1.svg</translation>
    </message>
    <message>
        <source>Export Family Tree</source>
        <translation>Exporter l&apos;arbre généalogique</translation>
    </message>
    <message>
        <source>exporting the family tree to &quot;%1&quot;</source>
        <translation>l&apos;export de l&apos;arbre généalogique vers « %1 »</translation>
    </message>
</context>
<context>
    <name>pelorin::frmHistory</name>
    <message>
        <source>This run</source>
        <translation>Cette session</translation>
    </message>
    <message>
        <source>The run of %1</source>
        <translation>La session du %1</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>&amp;Keep history</source>
        <translation>&amp;Conserver l&apos;historique</translation>
    </message>
    <message>
        <source>Record every picture made, and what becomes of it, in the history</source>
        <translation>Enregistrer dans l&apos;historique chaque image créée et ce qu&apos;elle devient</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>&amp;Forget Run</source>
        <translation>&amp;Oublier la session</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Sessions</translation>
    </message>
    <message>
        <source>Forget Run</source>
        <translation>Oublier la session</translation>
    </message>
    <message>
        <source>Pictures of the chosen run</source>
        <translation>Images de la session choisie</translation>
    </message>
    <message>
        <source>Family Tree...</source>
        <translation>Arbre généalogique...</translation>
    </message>
    <message>
        <source>The chosen run is still being recorded by another Pelorin</source>
        <translation>La session choisie est encore enregistrée par un autre Pelorin</translation>
    </message>
    <message>
        <source>Continue the chosen run: its open pictures come back, and numbering goes on after its last</source>
        <translation>Poursuivre la session choisie : ses images ouvertes reviennent et la numérotation reprend après sa dernière image</translation>
    </message>
    <message>
        <source>Remove the chosen run and its pictures from the history (Delete)</source>
        <translation>Retirer de l&apos;historique la session choisie et ses images (Suppr)</translation>
    </message>
    <message>
        <source>%1: no pictures</source>
        <translation>%1 : aucune image</translation>
    </message>
    <message>
        <source>%1: %2, %3 open</source>
        <translation>%1 : %2 (ouvertes : %3)</translation>
    </message>
    <message>
        <source>The history is not available.</source>
        <translation>L&apos;historique n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>Another program is writing the history: what this one records waits for it, and the history is shown again once it is done.</source>
        <translation>Un autre programme écrit l&apos;historique : ce que celui-ci enregistre l&apos;attend, et l&apos;historique s&apos;affichera de nouveau dès qu&apos;il aura fini.</translation>
    </message>
    <message>
        <source>Keep history is off: nothing more is recorded.</source>
        <translation>« Conserver l&apos;historique » est désactivé : plus rien n&apos;est enregistré.</translation>
    </message>
    <message>
        <source>Forget the run of %1? It holds no pictures.</source>
        <translation>Oublier la session du %1 ? Elle ne contient aucune image.</translation>
    </message>
    <message>
        <source>Forget the run of %1 and the %2 it holds? They cannot be brought back.</source>
        <translation>Oublier la session du %1 et ses images (%2) ? Elles ne pourront pas être récupérées.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>pelorin::frmMain</name>
    <message>
        <source>Main</source>
        <translation>Fenêtre principale</translation>
    </message>
    <message>
        <source>Mutation Rate</source>
        <translation>Taux mutation</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>New Picture from Clipboard</source>
        <translation>Nouvelle image depuis le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Reopen Closed Picture</source>
        <translation>&amp;Rouvrir l&apos;image fermée</translation>
    </message>
    <message>
        <source>Resume &amp;Last Run</source>
        <translation>Reprendre la &amp;dernière session</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>&amp;Tableau</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>showing %1</source>
        <translation>l&apos;affichage de %1</translation>
    </message>
    <message>
        <source>About &amp;Pelorin</source>
        <translation>À propos de &amp;Pelorin</translation>
    </message>
    <message>
        <source>About &amp;Quorvel</source>
        <translation>À propos de &amp;Quorvel</translation>
    </message>
    <message>
        <source>About &amp;Author</source>
        <translation>À propos de l&apos;&amp;auteur</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;Licence</translation>
    </message>
    <message>
        <source>making picture %1</source>
        <translation>la création de l&apos;image %1</translation>
    </message>
    <message>
        <source>making picture %1 named &quot;%2&quot;</source>
        <translation>la création de l&apos;image %1 nommée « %2 »</translation>
    </message>
    <message>
        <source>Pelorin</source>
        <translation>Pelorin</translation>
    </message>
    <message>
        <source>These dropped items made no picture:</source>
        <translation>Ces éléments déposés n&apos;ont donné aucune image :</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file on this computer; nothing was fetched.</source>
        <translation>« %1 » n&apos;est pas un fichier de cet ordinateur ; rien n&apos;a été récupéré.</translation>
    </message>
    <message>
        <source>making a picture of &quot;%1&quot;</source>
        <translation>la création d&apos;une image à partir de « %1 »</translation>
    </message>
    <message>
        <source>making a picture of dropped text</source>
        <translation>la création d&apos;une image à partir du texte déposé</translation>
    </message>
    <message>
        <source>the dropped text</source>
        <translation>le texte déposé</translation>
    </message>
    <message>
        <source>Family Tree</source>
        <translation>Arbre généalogique</translation>
    </message>
    <message>
        <source>Another program is writing the history: try again once it is done.</source>
        <translation>Un autre programme écrit l&apos;historique : réessayez dès qu&apos;il aura fini.</translation>
    </message>
    <message>
        <source>Picture %1 is not in the history, so its family is not known.</source>
        <translation>L&apos;image %1 n&apos;est pas dans l&apos;historique : sa famille est inconnue.</translation>
    </message>
    <message>
        <source>No picture was made: the clipboard holds no text.</source>
        <translation>Aucune image n&apos;a été créée : le presse-papiers ne contient pas de texte.</translation>
    </message>
    <message>
        <source>the clipboard text</source>
        <translation>le texte du presse-papiers</translation>
    </message>
</context>
<context>
    <name>pelorin::frmObject</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>PNG image, 2x (*.png)</source>
        <translation>Image PNG, 2x (*.png)</translation>
    </message>
    <message>
        <source>PNG image, 4x (*.png)</source>
        <translation>Image PNG, 4x (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image, whole path (*.png)</source>
        <translation>Image PNG, chemin entier (*.png)</translation>
    </message>
    <message>
        <source>PNG image, whole path, 2x (*.png)</source>
        <translation>Image PNG, chemin entier, 2x (*.png)</translation>
    </message>
    <message>
        <source>PNG image, whole path, 4x (*.png)</source>
        <translation>Image PNG, chemin entier, 4x (*.png)</translation>
    </message>
    <message>
        <source>SVG image, whole path (*.svg)</source>
        <translation>Image SVG, chemin entier (*.svg)</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Parent</source>
        <translation>Parent</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Export Image...</source>
        <translation>Exporter l&apos;image...</translation>
    </message>
    <message>
        <source>Genetic Code...</source>
        <translation>Code génétique...</translation>
    </message>
    <message>
        <source>Family Tree...</source>
        <translation>Arbre généalogique...</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Image %1</translation>
    </message>
    <message>
        <source>Pelorin</source>
        <translation>Pelorin</translation>
    </message>
    <message>
        <source>saving picture %1 to &quot;%2&quot;</source>
        <translation>l&apos;enregistrement de l&apos;image %1 sous « %2 »</translation>
    </message>
    <message>
        <source>Nothing was saved: picture %1 could not be created.</source>
        <translation>Rien n&apos;a été enregistré : l&apos;image %1 n&apos;a pas pu être créée.</translation>
    </message>
    <message>
        <source>copying picture %1</source>
        <translation>la copie de l&apos;image %1</translation>
    </message>
    <message>
        <source>Nothing was copied: picture %1 could not be created.</source>
        <translation>Rien n&apos;a été copié : l&apos;image %1 n&apos;a pas pu être créée.</translation>
    </message>
    <message>
        <source>exporting picture %1</source>
        <translation>l&apos;export de l&apos;image %1</translation>
    </message>
    <message>
        <source>Nothing was exported: picture %1 could not be created.</source>
        <translation>Rien n&apos;a été exporté : l&apos;image %1 n&apos;a pas pu être créée.</translation>
    </message>
    <message>
        <source>Pelorin %1</source>
        <translation>Pelorin %1</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>Nothing was shown: picture %1 could not be created.</source>
        <translation>Rien n&apos;a été affiché : l&apos;image %1 n&apos;a pas pu être créée.</translation>
    </message>
</context>
<context>
    <name>pelorin::history::CodeBlob</name>
    <message>
        <source>empty record</source>
        <translation>enregistrement vide</translation>
    </message>
    <message>
        <source>unreadable record</source>
        <translation>enregistrement illisible</translation>
    </message>
    <message>
        <source>genetic code of wrong size</source>
        <translation>code génétique de taille incorrecte</translation>
    </message>
    <message>
        <source>trait sources of wrong size</source>
        <translation>sources des caractères de taille incorrecte</translation>
    </message>
</context>
<context>
    <name>pelorin::history::HistoryStore</name>
    <message>
        <source>its number is not a picture number</source>
        <translation>son numéro n&apos;est pas un numéro d&apos;image</translation>
    </message>
    <message>
        <source>how it was made is unreadable</source>
        <translation>la façon dont elle a été créée est illisible</translation>
    </message>
    <message>
        <source>its genetic code is unreadable</source>
        <translation>son code génétique est illisible</translation>
    </message>
    <message>
        <source>the sources of its traits are unreadable</source>
        <translation>les sources de ses caractères sont illisibles</translation>
    </message>
    <message>
        <source>its number was given to an earlier picture</source>
        <translation>son numéro a déjà été donné à une image antérieure</translation>
    </message>
    <message>
        <source>a parent&apos;s number is not a picture number</source>
        <translation>le numéro d&apos;un parent n&apos;est pas un numéro d&apos;image</translation>
    </message>
    <message>
        <source>The disk is full: the history %1 keeps what it holds but cannot record this run.</source>
        <translation>Le disque est plein : l&apos;historique %1 garde ce qu&apos;il contient mais ne peut pas enregistrer cette session.</translation>
    </message>
    <message>
        <source>The disk is full: the history %1 keeps what it holds; nothing is recorded until there is room again.</source>
        <translation>Le disque est plein : l&apos;historique %1 garde ce qu&apos;il contient ; rien n&apos;est enregistré tant qu&apos;il n&apos;y a pas de place.</translation>
    </message>
    <message>
        <source>The history %1 cannot be written (%2); this run is not recorded.</source>
        <translation>L&apos;historique %1 ne peut pas être écrit (%2) ; cette session n&apos;est pas enregistrée.</translation>
    </message>
    <message>
        <source>The history %1 failed (%2); nothing more of this run is recorded.</source>
        <translation>L&apos;historique %1 a échoué (%2) ; plus rien de cette session n&apos;est enregistré.</translation>
    </message>
    <message>
        <source>The folder of the history %1 cannot be made (%2); this run is not recorded.</source>
        <translation>Le dossier de l&apos;historique %1 ne peut pas être créé (%2) ; cette session n&apos;est pas enregistrée.</translation>
    </message>
    <message>
        <source>The history&apos;s lock file %1 cannot be made (%2); this run is not recorded.</source>
        <translation>Le fichier de verrou de l&apos;historique %1 ne peut pas être créé (%2) ; cette session n&apos;est pas enregistrée.</translation>
    </message>
    <message>
        <source>The history %1 comes from a newer Pelorin (version %2); it is left as it is and this run is not recorded.</source>
        <translation>L&apos;historique %1 vient d&apos;un Pelorin plus récent (version %2) ; il reste tel quel et cette session n&apos;est pas enregistrée.</translation>
    </message>
    <message>
        <source>The history %1 is another program&apos;s database; it is left as it is and this run is not recorded.</source>
        <translation>L&apos;historique %1 est la base de données d&apos;un autre programme ; il reste tel quel et cette session n&apos;est pas enregistrée.</translation>
    </message>
    <message>
        <source>The history %1 is not a regular file; it is left as it is and this run is not recorded.</source>
        <translation>L&apos;historique %1 n&apos;est pas un fichier ordinaire ; il reste tel quel et cette session n&apos;est pas enregistrée.</translation>
    </message>
    <message>
        <source>The disk is full: the history %1 cannot be made; this run is not recorded.</source>
        <translation>Le disque est plein : l&apos;historique %1 ne peut pas être créé ; cette session n&apos;est pas enregistrée.</translation>
    </message>
    <message>
        <source>it is not a Pelorin history</source>
        <translation>ce n&apos;est pas un historique Pelorin</translation>
    </message>
    <message>
        <source>it failed its check: %1</source>
        <translation>la vérification a échoué : %1</translation>
    </message>
    <message>
        <source>it is not a database: %1</source>
        <translation>ce n&apos;est pas une base de données : %1</translation>
    </message>
    <message>
        <source>The history %1 cannot be begun afresh.</source>
        <translation>L&apos;historique %1 ne peut pas être recommencé.</translation>
    </message>
    <message>
        <source>The history %1 cannot be used (%2) nor moved aside (%3); this run is not recorded.</source>
        <translation>L&apos;historique %1 ne peut être ni utilisé (%2) ni mis de côté (%3) ; cette session n&apos;est pas enregistrée.</translation>
    </message>
    <message>
        <source>The history %1 could not be used (%2); it was moved aside to %3 and a new history begins.</source>
        <translation>L&apos;historique %1 n&apos;a pas pu être utilisé (%2) ; il a été mis de côté sous %3 et un nouvel historique commence.</translation>
    </message>
    <message>
        <source>not a Pelorin history</source>
        <translation>pas un historique Pelorin</translation>
    </message>
</context>
</TS>
