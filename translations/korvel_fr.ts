<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutBox</name>
    <message>
        <source>&lt;h3&gt;Korvel %1&lt;/h3&gt;&lt;p&gt;Prepares the game roster and the lines of an ice-hockey team for the league&apos;s next game.&lt;/p&gt;&lt;p&gt;Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later). Korvel comes with no warranty.&lt;/p&gt;&lt;p&gt;Built with:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Qt %2 (LGPL-3.0)&lt;/li&gt;&lt;li&gt;CLI11 (BSD-3-Clause), in korvel-cli and korvel-make-league&lt;/li&gt;&lt;li&gt;nlohmann/json (MIT), in korvel-cli&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Korvel %1&lt;/h3&gt;&lt;p&gt;Prépare la formation et les trios d&apos;une équipe de hockey sur glace pour le prochain match de la ligue.&lt;/p&gt;&lt;p&gt;Licence : GNU General Public License, version 3 ou ultérieure (GPL-3.0-or-later). Korvel est fourni sans aucune garantie.&lt;/p&gt;&lt;p&gt;Construit avec :&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Qt %2 (LGPL-3.0)&lt;/li&gt;&lt;li&gt;CLI11 (BSD-3-Clause), dans korvel-cli et korvel-make-league&lt;/li&gt;&lt;li&gt;nlohmann/json (MIT), dans korvel-cli&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>About Korvel</source>
        <translation>À propos de Korvel</translation>
    </message>
</context>
<context>
    <name>AddPlayer</name>
    <message>
        <source>Intensity</source>
        <translation>Intensité</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>Endurance</source>
        <translation>Endurance</translation>
    </message>
    <message>
        <source>Durability</source>
        <translation>Robustesse</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Discipline</translation>
    </message>
    <message>
        <source>Skating</source>
        <translation>Patinage</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Passes</translation>
    </message>
    <message>
        <source>Stickhandle</source>
        <translation>Maniement</translation>
    </message>
    <message>
        <source>Defence</source>
        <translation>Défense</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Finition</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Expérience</translation>
    </message>
    <message>
        <source>Leadership</source>
        <translation>Leadership</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Enter the player&apos;s name.</source>
        <translation>Entrez le nom du joueur.</translation>
    </message>
    <message>
        <source>The roster of %1 is full: all 50 places are taken.</source>
        <translation>L&apos;effectif de %1 est complet : les 50 places sont prises.</translation>
    </message>
    <message>
        <source>Choose the player&apos;s position.</source>
        <translation>Choisissez la position du joueur.</translation>
    </message>
    <message>
        <source>%1 must be from %2 to %3.</source>
        <translation>%1 doit être compris entre %2 et %3.</translation>
    </message>
    <message>
        <source>Add Player</source>
        <translation>Ajouter un joueur</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Height (in)</source>
        <translation>Taille (po)</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Âge</translation>
    </message>
    <message>
        <source>Rookie</source>
        <translation>Recrue</translation>
    </message>
    <message>
        <source>Salary</source>
        <translation>Salaire</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Contrat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>AddPlayerForm</name>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>First and last name</source>
        <translation>Prénom et nom</translation>
    </message>
    <message>
        <source> in</source>
        <translation> po</translation>
    </message>
    <message>
        <source>Country of birth, three letters</source>
        <translation>Pays de naissance, trois lettres</translation>
    </message>
    <message>
        <source>Rookie</source>
        <translation>Recrue</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Position</source>
        <translation>&amp;Position</translation>
    </message>
    <message>
        <source>N&amp;umber</source>
        <translation>N&amp;uméro</translation>
    </message>
    <message>
        <source>&amp;Hand</source>
        <translation>&amp;Tir</translation>
    </message>
    <message>
        <source>Hei&amp;ght</source>
        <translation>T&amp;aille</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>P&amp;oids</translation>
    </message>
    <message>
        <source>&amp;Age</source>
        <translation>Â&amp;ge</translation>
    </message>
    <message>
        <source>&amp;Birthplace</source>
        <translation>&amp;Lieu de naissance</translation>
    </message>
    <message>
        <source>&amp;Salary</source>
        <translation>&amp;Salaire</translation>
    </message>
    <message>
        <source>&amp;Contract</source>
        <translation>&amp;Contrat</translation>
    </message>
    <message>
        <source>Skills (0 to 99)</source>
        <translation>Habiletés (0 à 99)</translation>
    </message>
</context>
<context>
    <name>CandidateTable</name>
    <message>
        <source>Not in the lines shown</source>
        <translation>Absent des trios affichés</translation>
    </message>
    <message>
        <source>In one place of the lines shown</source>
        <translation>À une place des trios affichés</translation>
    </message>
    <message>
        <source>In several places of the lines shown</source>
        <translation>À plusieurs places des trios affichés</translation>
    </message>
</context>
<context>
    <name>Commit</name>
    <message>
        <source>%1. A save that Korvel could not finish waits in %2 with every file it names, and is finished the next time Korvel starts in this folder; until then no league is loaded here</source>
        <translation>%1. Un enregistrement que Korvel n&apos;a pas pu terminer attend dans %2 avec tous les fichiers qu&apos;il nomme, et sera terminé au prochain démarrage de Korvel dans ce dossier ; d&apos;ici là, aucune ligue n&apos;est chargée ici</translation>
    </message>
</context>
<context>
    <name>DisplayTeam</name>
    <message>
        <source>Team Roster</source>
        <translation>Effectif de l&apos;équipe</translation>
    </message>
    <message>
        <source>Team Name</source>
        <translation>Nom de l&apos;équipe</translation>
    </message>
    <message>
        <source>CONF</source>
        <translation>CONF</translation>
    </message>
    <message>
        <source>DIV</source>
        <translation>DIV</translation>
    </message>
    <message>
        <source>ABBREV</source>
        <translation>ABRÉV</translation>
    </message>
    <message>
        <source>OWNER</source>
        <translation>PROPRIÉTAIRE</translation>
    </message>
    <message>
        <source>EMAIL</source>
        <translation>COURRIEL</translation>
    </message>
    <message>
        <source>ICQ#</source>
        <translation>ICQ#</translation>
    </message>
    <message>
        <source>COACH</source>
        <translation>ENTRAÎNEUR</translation>
    </message>
    <message>
        <source>ARENA</source>
        <translation>ARÉNA</translation>
    </message>
    <message>
        <source>SEATS</source>
        <translation>PLACES</translation>
    </message>
    <message>
        <source>TICKET $</source>
        <translation>BILLET $</translation>
    </message>
    <message>
        <source>GP</source>
        <translation>PJ</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>BP</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>BC</translation>
    </message>
    <message>
        <source>PP%</source>
        <translation>AN%</translation>
    </message>
    <message>
        <source>PK%</source>
        <translation>DN%</translation>
    </message>
    <message>
        <source>SF/G</source>
        <translation>TP/M</translation>
    </message>
    <message>
        <source>SA/G</source>
        <translation>TC/M</translation>
    </message>
    <message>
        <source>PIM/G</source>
        <translation>PUN/M</translation>
    </message>
    <message>
        <source>Average Height</source>
        <translation>Taille moyenne</translation>
    </message>
    <message>
        <source>Average Weight</source>
        <translation>Poids moyen</translation>
    </message>
    <message>
        <source>Average Age</source>
        <translation>Âge moyen</translation>
    </message>
    <message>
        <source>Pro Players</source>
        <translation>Joueurs pros</translation>
    </message>
    <message>
        <source>Farm Players</source>
        <translation>Joueurs du club-école</translation>
    </message>
    <message>
        <source>Projected Free Agents</source>
        <translation>Joueurs autonomes prévus</translation>
    </message>
    <message>
        <source>Revenue/Game</source>
        <translation>Revenus/match</translation>
    </message>
    <message>
        <source>Estimated Revenue</source>
        <translation>Revenus estimés</translation>
    </message>
    <message>
        <source>Expenses/Game</source>
        <translation>Dépenses/match</translation>
    </message>
    <message>
        <source>Projected Expenses</source>
        <translation>Dépenses prévues</translation>
    </message>
    <message>
        <source>Projected Balance</source>
        <translation>Solde prévu</translation>
    </message>
    <message>
        <source>Current Finances</source>
        <translation>Finances actuelles</translation>
    </message>
    <message>
        <source>Home Games Remaining</source>
        <translation>Matchs à domicile restants</translation>
    </message>
    <message>
        <source>Games Remaining</source>
        <translation>Matchs restants</translation>
    </message>
    <message>
        <source>Team Info</source>
        <translation>Fiche de l&apos;équipe</translation>
    </message>
</context>
<context>
    <name>DisplayTeamForm</name>
    <message>
        <source>The team&apos;s name as the league stores it.</source>
        <translation>Le nom de l&apos;équipe tel que la ligue l&apos;enregistre.</translation>
    </message>
    <message>
        <source>The conference the team plays in.</source>
        <translation>L&apos;association où joue l&apos;équipe.</translation>
    </message>
    <message>
        <source>The team&apos;s division within its conference.</source>
        <translation>La division de l&apos;équipe dans son association.</translation>
    </message>
    <message>
        <source>The team&apos;s three-letter abbreviation.</source>
        <translation>L&apos;abréviation de l&apos;équipe en trois lettres.</translation>
    </message>
    <message>
        <source>The team&apos;s owner.</source>
        <translation>Le propriétaire de l&apos;équipe.</translation>
    </message>
    <message>
        <source>The league files keep no e-mail address.</source>
        <translation>Les fichiers de la ligue ne conservent aucune adresse courriel.</translation>
    </message>
    <message>
        <source>The owner&apos;s ICQ number.</source>
        <translation>Le numéro ICQ du propriétaire.</translation>
    </message>
    <message>
        <source>The head coach. Half of his salary is a season expense.</source>
        <translation>L&apos;entraîneur-chef. La moitié de son salaire est une dépense de la saison.</translation>
    </message>
    <message>
        <source>The team&apos;s home arena.</source>
        <translation>L&apos;aréna de l&apos;équipe.</translation>
    </message>
    <message>
        <source>Seats in the arena.</source>
        <translation>Places dans l&apos;aréna.</translation>
    </message>
    <message>
        <source>Price of one ticket, in dollars.</source>
        <translation>Prix d&apos;un billet, en dollars.</translation>
    </message>
    <message>
        <source>Games played: wins + losses + ties.</source>
        <translation>Matchs joués : victoires + défaites + nuls.</translation>
    </message>
    <message>
        <source>Wins.</source>
        <translation>Victoires.</translation>
    </message>
    <message>
        <source>Losses.</source>
        <translation>Défaites.</translation>
    </message>
    <message>
        <source>Ties.</source>
        <translation>Matchs nuls.</translation>
    </message>
    <message>
        <source>Goals scored.</source>
        <translation>Buts marqués.</translation>
    </message>
    <message>
        <source>Goals allowed.</source>
        <translation>Buts accordés.</translation>
    </message>
    <message>
        <source>Power-play goals per 100 power plays, cut to one decimal. Empty until the team has had a power play.</source>
        <translation>Buts en avantage numérique pour 100 avantages numériques, tronqué à une décimale. Vide tant que l&apos;équipe n&apos;a eu aucun avantage numérique.</translation>
    </message>
    <message>
        <source>Per cent of times shorthanded without a goal against, cut to one decimal.</source>
        <translation>Pourcentage des infériorités numériques sans but accordé, tronqué à une décimale.</translation>
    </message>
    <message>
        <source>Shots on goal per game played.</source>
        <translation>Tirs au but par match joué.</translation>
    </message>
    <message>
        <source>Shots against per game played.</source>
        <translation>Tirs accordés par match joué.</translation>
    </message>
    <message>
        <source>Penalty minutes per game played.</source>
        <translation>Minutes de pénalité par match joué.</translation>
    </message>
    <message>
        <source>Average height of the pro players, in the league&apos;s units.</source>
        <translation>Taille moyenne des joueurs pros, dans les unités de la ligue.</translation>
    </message>
    <message>
        <source>Average weight of the pro players, in the league&apos;s units.</source>
        <translation>Poids moyen des joueurs pros, dans les unités de la ligue.</translation>
    </message>
    <message>
        <source>Average age of the pro players.</source>
        <translation>Âge moyen des joueurs pros.</translation>
    </message>
    <message>
        <source>Players on the pro roster, dressed or scratched, injured or not.</source>
        <translation>Joueurs de l&apos;effectif pro, en uniforme ou laissés de côté, blessés ou non.</translation>
    </message>
    <message>
        <source>Healthy players with the farm club.</source>
        <translation>Joueurs en santé au club-école.</translation>
    </message>
    <message>
        <source>Not worked out: the league files do not say whose contracts end.</source>
        <translation>Non calculé : les fichiers de la ligue ne disent pas quels contrats arrivent à échéance.</translation>
    </message>
    <message>
        <source>Gate revenue of one home game.</source>
        <translation>Recettes aux guichets d&apos;un match à domicile.</translation>
    </message>
    <message>
        <source>Revenue still to come: home games remaining x revenue per game. Nothing before the season starts.</source>
        <translation>Revenus encore à venir : matchs à domicile restants x revenus par match. Rien avant le début de la saison.</translation>
    </message>
    <message>
        <source>Season expenses (pro salaries, a tenth of each healthy farm player&apos;s salary, half the coach&apos;s salary) spread over 84 games.</source>
        <translation>Dépenses de la saison (salaires des pros, un dixième du salaire de chaque joueur en santé du club-école, la moitié du salaire de l&apos;entraîneur) réparties sur 84 matchs.</translation>
    </message>
    <message>
        <source>Expenses still to come: games remaining x expenses per game. Nothing before the season starts.</source>
        <translation>Dépenses encore à venir : matchs restants x dépenses par match. Rien avant le début de la saison.</translation>
    </message>
    <message>
        <source>Current finances + estimated revenue - projected expenses, from the amounts shown. Red when the team ends the season in the red.</source>
        <translation>Finances actuelles + revenus estimés - dépenses prévues, d&apos;après les montants affichés. En rouge quand l&apos;équipe finit la saison dans le rouge.</translation>
    </message>
    <message>
        <source>The team&apos;s money now.</source>
        <translation>L&apos;argent de l&apos;équipe en ce moment.</translation>
    </message>
    <message>
        <source>Half the season&apos;s games less the home games played.</source>
        <translation>La moitié des matchs de la saison moins les matchs joués à domicile.</translation>
    </message>
    <message>
        <source>The season&apos;s games per team less the games played. Negative when the team has played more games than the season has.</source>
        <translation>Les matchs de la saison par équipe moins les matchs joués. Négatif quand l&apos;équipe a joué plus de matchs que la saison n&apos;en compte.</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Current finances, estimated revenue, projected expenses and projected balance, as shown above. Amounts below zero hang under the line.</source>
        <translation>Finances actuelles, revenus estimés, dépenses prévues et solde prévu, comme affichés plus haut. Les montants négatifs pendent sous la ligne.</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Actuel</translation>
    </message>
    <message>
        <source>Revenue</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>FINANCES</source>
        <translation>FINANCES</translation>
    </message>
    <message>
        <source>ROSTER</source>
        <translation>EFFECTIF</translation>
    </message>
    <message>
        <source>RECORD AND STATISTICS</source>
        <translation>FICHE ET STATISTIQUES</translation>
    </message>
    <message>
        <source>Team &amp;Lines</source>
        <translation>&amp;Trios de l&apos;équipe</translation>
    </message>
    <message>
        <source>Team &amp;Roster</source>
        <translation>&amp;Effectif de l&apos;équipe</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>STRENGTH</source>
        <translation>FORCE</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot be written (Input/output error)</source>
        <translation>ne peut pas être écrit (erreur d&apos;entrée-sortie)</translation>
    </message>
    <message>
        <source>is not a whole Korvel commit journal; remove it to go on</source>
        <translation>n&apos;est pas un journal d&apos;enregistrement complet de Korvel; supprimez-le pour continuer</translation>
    </message>
    <message>
        <source>cannot be replaced (%1)</source>
        <translation>ne peut pas être remplacé (%1)</translation>
    </message>
    <message>
        <source>cannot be removed (%1)</source>
        <translation>ne peut pas être supprimé (%1)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>was replaced but not flushed to disk (%1)</source>
        <translation>a été remplacé mais pas écrit sur le disque (%1)</translation>
    </message>
    <message>
        <source>cannot be flushed to disk (%1)</source>
        <translation>ne peut pas être écrit sur le disque (%1)</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>ne peut pas être écrit (%1)</translation>
    </message>
    <message>
        <source>cannot be written in place (%1)</source>
        <translation>ne peut pas être réécrit sur place (%1)</translation>
    </message>
    <message>
        <source>The folder %1 is in use by another Korvel program. Close it, or start Korvel in another folder.</source>
        <translation>Le dossier %1 est utilisé par un autre programme Korvel. Fermez-le, ou démarrez Korvel dans un autre dossier.</translation>
    </message>
    <message>
        <source>%1; Korvel does not work in a start folder it cannot lock. Remove it, or start Korvel in another folder.</source>
        <translation>%1; Korvel ne travaille pas dans un dossier de départ qu&apos;il ne peut verrouiller. Supprimez-le, ou démarrez Korvel dans un autre dossier.</translation>
    </message>
    <message>
        <source>is a symbolic link, not a file</source>
        <translation>est un lien symbolique, pas un fichier</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>ne peut pas être ouvert (%1)</translation>
    </message>
    <message>
        <source>is not a normal file</source>
        <translation>n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot be locked (%1)</source>
        <translation>ne peut pas être verrouillé (%1)</translation>
    </message>
    <message>
        <source>is held by another Korvel program</source>
        <translation>est tenu par un autre programme Korvel</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>is a pipe, not a file</source>
        <translation>est un tube, pas un fichier</translation>
    </message>
    <message>
        <source>is a device, not a file</source>
        <translation>est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>reading failed (%1)</source>
        <translation>la lecture a échoué (%1)</translation>
    </message>
    <message>
        <source>is being saved by another Korvel program; try again when it is done</source>
        <translation>est en cours d&apos;enregistrement par un autre programme Korvel; réessayez quand il aura fini</translation>
    </message>
    <message>
        <source>is cut short</source>
        <translation>est tronqué</translation>
    </message>
    <message>
        <source>is damaged (a part longer than a league has)</source>
        <translation>est endommagé (une partie plus longue que ce qu&apos;une ligue contient)</translation>
    </message>
    <message>
        <source>is not a game-day history of Korvel</source>
        <translation>n&apos;est pas un historique des jours de match de Korvel</translation>
    </message>
    <message>
        <source>is cut short or damaged (its checksum does not match)</source>
        <translation>est tronqué ou endommagé (sa somme de contrôle ne correspond pas)</translation>
    </message>
    <message>
        <source>is damaged (too many leagues)</source>
        <translation>est endommagé (trop de ligues)</translation>
    </message>
    <message>
        <source>is damaged (too many game days)</source>
        <translation>est endommagé (trop de jours de match)</translation>
    </message>
    <message>
        <source>is damaged (bytes after its end)</source>
        <translation>est endommagé (des octets après sa fin)</translation>
    </message>
    <message>
        <source>holds no league path (binary or overlong first line)</source>
        <translation>ne contient aucun chemin de ligue (première ligne binaire ou trop longue)</translation>
    </message>
    <message>
        <source>holds the game days of another league under %1 (%2)</source>
        <translation>contient les jours de match d&apos;une autre ligue sous %1 (%2)</translation>
    </message>
    <message>
        <source>is damaged (a league without game days)</source>
        <translation>est endommagé (une ligue sans jours de match)</translation>
    </message>
    <message>
        <source>no free name to set it aside under</source>
        <translation>aucun nom libre pour le mettre de côté</translation>
    </message>
    <message>
        <source>is damaged (a number too long)</source>
        <translation>est endommagé (un nombre trop long)</translation>
    </message>
    <message>
        <source>is damaged (a game day larger than a league has)</source>
        <translation>est endommagé (un jour de match plus grand que ce qu&apos;une ligue contient)</translation>
    </message>
    <message>
        <source>is damaged (a change of the wrong size)</source>
        <translation>est endommagé (une modification de la mauvaise taille)</translation>
    </message>
    <message>
        <source>is damaged (a change past the end)</source>
        <translation>est endommagé (une modification au-delà de la fin)</translation>
    </message>
    <message>
        <source>is damaged (a change of an unknown kind)</source>
        <translation>est endommagé (une modification d&apos;un genre inconnu)</translation>
    </message>
    <message>
        <source>was written by a newer Korvel (format %1)</source>
        <translation>a été écrit par un Korvel plus récent (format %1)</translation>
    </message>
    <message>
        <source>is damaged (an index longer than it can be)</source>
        <translation>est endommagé (un index plus long qu&apos;il ne peut l&apos;être)</translation>
    </message>
    <message>
        <source>is damaged (bytes after its index)</source>
        <translation>est endommagé (des octets après son index)</translation>
    </message>
    <message>
        <source>is damaged (bytes after a game day)</source>
        <translation>est endommagé (des octets après un jour de match)</translation>
    </message>
    <message>
        <source>is damaged (bytes after the season)</source>
        <translation>est endommagé (des octets après la saison)</translation>
    </message>
    <message>
        <source>is damaged (bytes after a change)</source>
        <translation>est endommagé (des octets après une modification)</translation>
    </message>
</context>
<context>
    <name>GameDayBriefing</name>
    <message>
        <source>not injured</source>
        <translation>pas blessé</translation>
    </message>
    <message>
        <source>day-to-day</source>
        <translation>au jour le jour</translation>
    </message>
    <message>
        <source>1-2 weeks</source>
        <translation>1-2 semaines</translation>
    </message>
    <message>
        <source>2-4 weeks</source>
        <translation>2-4 semaines</translation>
    </message>
    <message>
        <source>4-6 weeks</source>
        <translation>4-6 semaines</translation>
    </message>
    <message>
        <source>2-4 months</source>
        <translation>2-4 mois</translation>
    </message>
    <message>
        <source>indefinitely</source>
        <translation>pour une durée indéterminée</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s)</source>
        <translation>
            <numerusform>%n match</numerusform>
            <numerusform>%n matchs</numerusform>
        </translation>
    </message>
    <message>
        <source>%1-%2-%3, %4 PTS, GF %5, GA %6</source>
        <translation>%1-%2-%3, %4 PTS, BP %5, BC %6</translation>
    </message>
    <message>
        <source>in no division</source>
        <translation>dans aucune division</translation>
    </message>
    <message>
        <source>%1th in the division</source>
        <translation>%1e de la division</translation>
    </message>
    <message>
        <source>%1st in the division</source>
        <translation>%1er de la division</translation>
    </message>
    <message>
        <source>%1nd in the division</source>
        <translation>%1e de la division</translation>
    </message>
    <message>
        <source>%1rd in the division</source>
        <translation>%1e de la division</translation>
    </message>
    <message>
        <source>Hurt: %1, %2</source>
        <translation>Blessé : %1, %2</translation>
    </message>
    <message>
        <source>Healed: %1, was %2</source>
        <translation>Rétabli : %1, était %2</translation>
    </message>
    <message>
        <source>Changed: %1, %2, was %3</source>
        <translation>Changé : %1, %2, était %3</translation>
    </message>
    <message>
        <source>Suspended: %1, %2</source>
        <translation>Suspendu : %1, %2</translation>
    </message>
    <message>
        <source>Back from suspension: %1, was %2</source>
        <translation>Retour de suspension : %1, était %2</translation>
    </message>
    <message>
        <source>%1, %2, OV %3 OF %4 DF %5</source>
        <translation>%1, %2, GL %3 ATT %4 DÉF %5</translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <translation>%1 (était %2)</translation>
    </message>
    <message>
        <source>Briefing: %1</source>
        <translation>Bilan : %1</translation>
    </message>
    <message>
        <source>%1 since the last game day</source>
        <translation>%1 depuis le dernier jour de match</translation>
    </message>
    <message>
        <source>%1: first visit, no earlier game day to compare</source>
        <translation>%1 : première visite, aucun jour de match antérieur à comparer</translation>
    </message>
    <message>
        <source>Record: %1</source>
        <translation>Fiche : %1</translation>
    </message>
    <message>
        <source>Rank: %1</source>
        <translation>Rang : %1</translation>
    </message>
    <message>
        <source>Injuries</source>
        <translation>Blessures</translation>
    </message>
    <message>
        <source>Suspensions</source>
        <translation>Suspensions</translation>
    </message>
    <message>
        <source>Arrived</source>
        <translation>Arrivées</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Départs</translation>
    </message>
    <message>
        <source>New on waivers</source>
        <translation>Nouveaux au ballottage</translation>
    </message>
    <message>
        <source>Ready for the next game</source>
        <translation>Prêt pour le prochain match</translation>
    </message>
    <message>
        <source>known from the next game day on</source>
        <translation>connu à partir du prochain jour de match</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>aucun changement</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>personne</translation>
    </message>
    <message>
        <source>yes, ready for the league</source>
        <translation>oui, prêt pour la ligue</translation>
    </message>
    <message>
        <source>On waivers</source>
        <translation>Au ballottage</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>left %1</source>
        <translation>a quitté %1</translation>
    </message>
    <message>
        <source>on waivers</source>
        <translation>au ballottage</translation>
    </message>
    <message>
        <source>Briefing</source>
        <translation>Bilan</translation>
    </message>
    <message>
        <source>Show at start</source>
        <translation>Afficher au démarrage</translation>
    </message>
    <message>
        <source>Season so far…</source>
        <translation>La saison jusqu&apos;ici…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>GameDayBriefingForm</name>
    <message>
        <source>Open the briefing by itself when a load finds a new game day.</source>
        <translation>Ouvrir le bilan de lui-même quand un chargement trouve un nouveau jour de match.</translation>
    </message>
    <message>
        <source>The team&apos;s run, each player&apos;s form, absences and the waiver wire.</source>
        <translation>Le parcours de l&apos;équipe, la forme de chaque joueur, les absences et la liste de ballottage.</translation>
    </message>
    <message>
        <source>Enter or a double click opens what the entry leads to.</source>
        <translation>Entrée ou un double-clic ouvre ce à quoi mène l&apos;entrée.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Korvel Help</source>
        <translation>Aide de Korvel</translation>
    </message>
    <message>
        <source>The manual is not installed: Korvel looked for %1 in the data folders of the system and beside the program.</source>
        <translation>Le manuel n&apos;est pas installé : Korvel a cherché %1 dans les dossiers de données du système et à côté du programme.</translation>
    </message>
</context>
<context>
    <name>Import Lines</name>
    <message>
        <source>%1 holds the lines of team number %2, which this league does not have.</source>
        <translation>%1 contient les trios de l&apos;équipe numéro %2, que cette ligue n&apos;a pas.</translation>
    </message>
    <message>
        <source>%1 holds the lines of %2, saved with another password than the team&apos;s lines password.</source>
        <translation>%1 contient les trios de %2, enregistrés avec un autre mot de passe que celui des trios de l&apos;équipe.</translation>
    </message>
    <message>
        <source>%1 holds the lines of %2, not of %3.</source>
        <translation>%1 contient les trios de %2, pas de %3.</translation>
    </message>
</context>
<context>
    <name>League</name>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n joueur</numerusform>
            <numerusform>%n joueurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n player(s) too many</source>
        <translation>
            <numerusform>%n joueur de trop</numerusform>
            <numerusform>%n joueurs de trop</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2 too many</source>
        <translation>%1 %2 de trop</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>row %1 column %2</source>
        <translation>ligne %1 colonne %2</translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation>%1 contient %2</translation>
    </message>
    <message>
        <source>%1 names %2</source>
        <translation>%1 désigne %2</translation>
    </message>
    <message>
        <source>An entry names no player of the team (%1).</source>
        <translation>Une entrée ne désigne aucun joueur de l&apos;équipe (%1).</translation>
    </message>
    <message>
        <source>The lines are not complete (%1 is empty).</source>
        <translation>Les trios ne sont pas complets (%1 est vide).</translation>
    </message>
    <message>
        <source>An injured player stands dressed and healthy in the file (%1): the import would call the lines not valid.</source>
        <translation>Un joueur blessé figure en uniforme et en santé dans le fichier (%1) : l&apos;importation déclarerait les trios non valides.</translation>
    </message>
    <message numerus="yes">
        <source>%n players are dressed; a game roster has %1.</source>
        <translation>
            <numerusform>%n joueur est en uniforme; une formation en compte %1.</numerusform>
            <numerusform>%n joueurs sont en uniforme; une formation en compte %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The password is not the lines password of %1.</source>
        <translation>Le mot de passe n&apos;est pas celui des trios de %1.</translation>
    </message>
    <message>
        <source>A player in the lines is not dressed in the file (%1).</source>
        <translation>Un joueur des trios n&apos;est pas en uniforme dans le fichier (%1).</translation>
    </message>
    <message>
        <source>The file holds %1 bytes; a lines file holds %2.</source>
        <translation>Le fichier contient %1 octets; un fichier de trios en contient %2.</translation>
    </message>
    <message>
        <source>Team %1 is not in the league (teams 0 to %2).</source>
        <translation>L&apos;équipe %1 n&apos;est pas dans la ligue (équipes 0 à %2).</translation>
    </message>
    <message>
        <source>%1: too short for a %2 (%3 bytes, one record is %4)</source>
        <translation>%1 : trop court pour un %2 (%3 octets, un enregistrement en fait %4)</translation>
    </message>
    <message>
        <source>league record</source>
        <translation>enregistrement de ligue</translation>
    </message>
    <message>
        <source>%1: names %2 teams; a league holds at most %3</source>
        <translation>%1 : nomme %2 équipes; une ligue en compte au plus %3</translation>
    </message>
    <message>
        <source>%1: too short for the %2 teams of the league (%3 bytes, one team record is %4)</source>
        <translation>%1 : trop court pour les %2 équipes de la ligue (%3 octets, un enregistrement d&apos;équipe en fait %4)</translation>
    </message>
    <message>
        <source>%1: shorter than the league needs (%2 bytes of %3): the players of %4 team are missing, and it loads with empty places.</source>
        <translation>%1 : plus court que ce qu&apos;exige la ligue (%2 octets sur %3) : les joueurs de %4 équipe manquent, et elle se charge avec des places vides.</translation>
    </message>
    <message>
        <source>%1: shorter than the league needs (%2 bytes of %3): the players of %4 teams are missing, and they load with empty places.</source>
        <translation>%1 : plus court que ce qu&apos;exige la ligue (%2 octets sur %3) : les joueurs de %4 équipes manquent, et elles se chargent avec des places vides.</translation>
    </message>
    <message>
        <source>The start folder %1 must be writable: Korvel keeps its working copies of the league there.

%2</source>
        <translation>Le dossier de départ %1 doit être accessible en écriture : Korvel y garde ses copies de travail de la ligue.

%2</translation>
    </message>
    <message>
        <source>The league %1 could not be loaded.

%2</source>
        <translation>La ligue %1 n&apos;a pas pu être chargée.

%2</translation>
    </message>
    <message>
        <source>The game days of this league could not be read: %1</source>
        <translation>Les jours de match de cette ligue n&apos;ont pas pu être lus : %1</translation>
    </message>
    <message>
        <source>This game day could not be kept for the next briefing: %1</source>
        <translation>Ce jour de match n&apos;a pas pu être gardé pour le prochain bilan : %1</translation>
    </message>
    <message>
        <source>The game-day history %1 %2. It was set aside as %3, and the briefing starts afresh.</source>
        <translation>L&apos;historique des jours de match %1 %2. Il a été mis de côté sous %3, et le bilan repart à neuf.</translation>
    </message>
    <message>
        <source>The game-day history %1 %2 and could not be set aside (%3); the briefing starts afresh and the file is left as it is.</source>
        <translation>L&apos;historique des jours de match %1 %2 et n&apos;a pas pu être mis de côté (%3); le bilan repart à neuf et le fichier reste tel quel.</translation>
    </message>
    <message>
        <source>The game-day history %1 %2.</source>
        <translation>L&apos;historique des jours de match %1 %2.</translation>
    </message>
</context>
<context>
    <name>Lines</name>
    <message>
        <source>Lines for %1</source>
        <translation>Trios de %1</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir : %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Even Strength Lines</source>
        <translation>Trios à forces égales</translation>
    </message>
    <message>
        <source>Power Play Lines</source>
        <translation>Unités d&apos;avantage numérique</translation>
    </message>
    <message>
        <source>Penalty Kill Lines</source>
        <translation>Unités d&apos;infériorité numérique</translation>
    </message>
    <message>
        <source>Password?</source>
        <translation>Mot de passe ?</translation>
    </message>
    <message>
        <source>Save Lines</source>
        <translation>Enregistrer les trios</translation>
    </message>
    <message>
        <source>Import Lines</source>
        <translation>Importer des trios</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Lines Files</source>
        <translation>Fichiers de trios</translation>
    </message>
    <message>
        <source>Edit Lines</source>
        <translation>Modifier les trios</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Gardien</translation>
    </message>
    <message>
        <source>Extra Skaters</source>
        <translation>Patineurs supplémentaires</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Égal</translation>
    </message>
    <message>
        <source>PP</source>
        <translation>AN</translation>
    </message>
    <message>
        <source>PK</source>
        <translation>DN</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Load Lines</source>
        <translation>Charger des trios</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
</context>
<context>
    <name>LinesForm</name>
    <message>
        <source>Enter or Space: put the player selected in the list here
Delete: clear the slot
Arrows: go to the next slot; Alt+Arrow: exchange with it
X: mark the slot, then X on another slot exchanges the two
F6: to the list and back
Drag onto another slot to exchange the two</source>
        <translation>Entrée ou Espace : placer ici le joueur choisi dans la liste
Suppr : vider la place
Flèches : aller à la place voisine; Alt+Flèche : échanger avec elle
X : marquer la place, puis X sur une autre place échange les deux
F6 : vers la liste et retour
Glisser sur une autre place pour échanger les deux</translation>
    </message>
    <message>
        <source>Click to redraw the lines</source>
        <translation>Cliquer pour redessiner les trios</translation>
    </message>
    <message>
        <source>F6: to the slots and back</source>
        <translation>F6 : vers les places et retour</translation>
    </message>
    <message>
        <source>Roster order</source>
        <translation>Ordre de l&apos;effectif</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Offence</source>
        <translation>Attaque</translation>
    </message>
    <message>
        <source>Defence</source>
        <translation>Défense</translation>
    </message>
    <message>
        <source>The order of the players (Alt+B); a click on a column header does the same</source>
        <translation>L&apos;ordre des joueurs (Alt+B); un clic sur un en-tête de colonne fait de même</translation>
    </message>
    <message>
        <source>Pick a player, then press Enter on a slot (F6 goes there), click it or drag him onto it.</source>
        <translation>Choisissez un joueur, puis appuyez sur Entrée sur une place (F6 y mène), cliquez-la ou glissez-le dessus.</translation>
    </message>
    <message>
        <source>Show or hide this position in the list</source>
        <translation>Afficher ou masquer cette position dans la liste</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>&amp;Trier par :</translation>
    </message>
    <message>
        <source>Even strength lines</source>
        <translation>Trios à forces égales</translation>
    </message>
    <message>
        <source>Power play lines</source>
        <translation>Unités d&apos;avantage numérique</translation>
    </message>
    <message>
        <source>Penalty kill lines</source>
        <translation>Unités d&apos;infériorité numérique</translation>
    </message>
    <message>
        <source>Set all lines automatically</source>
        <translation>Former tous les trios automatiquement</translation>
    </message>
    <message>
        <source>Import a lines file</source>
        <translation>Importer un fichier de trios</translation>
    </message>
    <message>
        <source>Save the lines file for the league</source>
        <translation>Enregistrer le fichier de trios pour la ligue</translation>
    </message>
    <message>
        <source>Keep or drop the changes and close</source>
        <translation>Garder ou abandonner les changements et fermer</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Load League</source>
        <translation>Charger une ligue</translation>
    </message>
    <message>
        <source>View Team</source>
        <translation>Voir l&apos;équipe</translation>
    </message>
    <message>
        <source>Set Game Roster</source>
        <translation>Établir la formation</translation>
    </message>
    <message>
        <source>Set Lines</source>
        <translation>Établir les trios</translation>
    </message>
    <message>
        <source>Briefing</source>
        <translation>Bilan</translation>
    </message>
    <message>
        <source>League Name</source>
        <translation>Nom de la ligue</translation>
    </message>
    <message>
        <source>Conference 1</source>
        <translation>Association 1</translation>
    </message>
    <message>
        <source>Conference 2</source>
        <translation>Association 2</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Directeur général</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Classement</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Entraîneur</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>The league&apos;s files changed on disk since they were loaded.</source>
        <translation>Les fichiers de la ligue ont changé sur le disque depuis leur chargement.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Saison</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Load this league, as Load does</source>
        <translation>Charger cette ligue, comme le fait Charger</translation>
    </message>
    <message>
        <source>Loads the league again from its files, as File &gt; Load does (F5).</source>
        <translation>Recharge la ligue depuis ses fichiers, comme Fichier &gt; Charger (F5).</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>À propos de &amp;Qt</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Korvel &amp;Help</source>
        <translation>&amp;Aide de Korvel</translation>
    </message>
    <message>
        <source>Open a league with File &gt; Load</source>
        <translation>Ouvrez une ligue avec Fichier &gt; Charger</translation>
    </message>
    <message>
        <source>No team in the divisions shown</source>
        <translation>Aucune équipe dans les divisions affichées</translation>
    </message>
    <message>
        <source>Select a team</source>
        <translation>Choisissez une équipe</translation>
    </message>
    <message>
        <source>Current team: %1</source>
        <translation>Équipe actuelle : %1</translation>
    </message>
    <message>
        <source>%1 will load when the open window closes.</source>
        <translation>%1 sera chargée quand la fenêtre ouverte se fermera.</translation>
    </message>
</context>
<context>
    <name>PlayerInfo</name>
    <message>
        <source>POS</source>
        <translation>POS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>HD</source>
        <translation>TIR</translation>
    </message>
    <message>
        <source>HGT</source>
        <translation>TAILLE</translation>
    </message>
    <message>
        <source>WGT</source>
        <translation>POIDS</translation>
    </message>
    <message>
        <source>AGE</source>
        <translation>ÂGE</translation>
    </message>
    <message>
        <source>STS</source>
        <translation>ÉTAT</translation>
    </message>
    <message>
        <source>CON</source>
        <translation>CONTRAT</translation>
    </message>
    <message>
        <source>Birthplace</source>
        <translation>Lieu de naissance</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Contrat</translation>
    </message>
    <message>
        <source>Salary $</source>
        <translation>Salaire $</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensité</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>Endurance</source>
        <translation>Endurance</translation>
    </message>
    <message>
        <source>Durability</source>
        <translation>Robustesse</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Discipline</translation>
    </message>
    <message>
        <source>Skating</source>
        <translation>Patinage</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Passes</translation>
    </message>
    <message>
        <source>Stickhandle</source>
        <translation>Maniement</translation>
    </message>
    <message>
        <source>Defence</source>
        <translation>Défense</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Finition</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Expérience</translation>
    </message>
    <message>
        <source>Leadership</source>
        <translation>Leadership</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>GP</source>
        <translation>PJ</translation>
    </message>
    <message>
        <source>PIM</source>
        <translation>PUN</translation>
    </message>
    <message>
        <source>GAA</source>
        <translation>MOY</translation>
    </message>
    <message>
        <source>PPG</source>
        <translation>BAN</translation>
    </message>
    <message>
        <source>SHG</source>
        <translation>BIN</translation>
    </message>
    <message>
        <source>GW</source>
        <translation>BG</translation>
    </message>
    <message>
        <source>GT</source>
        <translation>BÉ</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Tirs</translation>
    </message>
    <message>
        <source>Sh%</source>
        <translation>%T</translation>
    </message>
    <message>
        <source>Sv%</source>
        <translation>%ARR</translation>
    </message>
    <message>
        <source>Injured %1</source>
        <translation>Blessé %1</translation>
    </message>
    <message numerus="yes">
        <source>Suspended %n games</source>
        <translation>
            <numerusform>Suspendu %n match</numerusform>
            <numerusform>Suspendu %n matchs</numerusform>
        </translation>
    </message>
    <message>
        <source>Healthy</source>
        <translation>En santé</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>s.o.</translation>
    </message>
    <message>
        <source>Rookie</source>
        <translation>Recrue</translation>
    </message>
    <message>
        <source>Veteran</source>
        <translation>Vétéran</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>S.O.</translation>
    </message>
    <message>
        <source>%1 ft %2</source>
        <translation>%1 pi %2</translation>
    </message>
    <message>
        <source>%1 cm</source>
        <translation>%1 cm</translation>
    </message>
    <message>
        <source>Player Info</source>
        <translation>Fiche du joueur</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>PlayerInfoForm</name>
    <message>
        <source>PROFILE</source>
        <translation>PROFIL</translation>
    </message>
    <message>
        <source>SKILLS</source>
        <translation>HABILETÉS</translation>
    </message>
    <message>
        <source>SEASON STATISTICS</source>
        <translation>STATISTIQUES DE LA SAISON</translation>
    </message>
    <message>
        <source>Click, or press Space, to switch between feet and centimetres</source>
        <translation>Cliquez, ou appuyez sur Espace, pour passer des pieds aux centimètres</translation>
    </message>
</context>
<context>
    <name>QtUi</name>
    <message>
        <source>Open &amp;Folder</source>
        <translation>Ouvrir le &amp;dossier</translation>
    </message>
    <message>
        <source>The folder %1 could not be opened: the desktop has no program that shows folders, or it refused.</source>
        <translation>Le dossier %1 n&apos;a pas pu être ouvert : le bureau n&apos;a aucun programme qui affiche les dossiers, ou celui-ci a refusé.</translation>
    </message>
</context>
<context>
    <name>RatedPlayerTable</name>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>OV</source>
        <translation>GL</translation>
    </message>
    <message>
        <source>OF</source>
        <translation>ATT</translation>
    </message>
    <message>
        <source>DF</source>
        <translation>DÉF</translation>
    </message>
    <message>
        <source>The player as listed; the mark tells how often he stands in the lines shown</source>
        <translation>Le joueur tel qu&apos;inscrit; la marque dit combien de fois il figure dans les trios affichés</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Overall rating</source>
        <translation>Cote globale</translation>
    </message>
    <message>
        <source>Offence rating</source>
        <translation>Cote offensive</translation>
    </message>
    <message>
        <source>Defence rating</source>
        <translation>Cote défensive</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Absent</translation>
    </message>
    <message>
        <source>The player as listed; * marks a protected player or a rookie in the protection view</source>
        <translation>Le joueur tel qu&apos;inscrit; * marque un joueur protégé ou une recrue dans la vue de protection</translation>
    </message>
    <message>
        <source>Injury code and games suspended</source>
        <translation>Code de blessure et matchs de suspension</translation>
    </message>
    <message>
        <source>Injury code and games suspended: out of the next game</source>
        <translation>Code de blessure et matchs de suspension : absent du prochain match</translation>
    </message>
</context>
<context>
    <name>Readiness</name>
    <message>
        <source>Ready for the league</source>
        <translation>Prêt pour la ligue</translation>
    </message>
    <message>
        <source>Not ready for the league: %1</source>
        <translation>Pas prêt pour la ligue : %1</translation>
    </message>
    <message numerus="yes">
        <source>Not ready for the league (%n problems): %1</source>
        <translation>
            <numerusform>Pas prêt pour la ligue (%n problème) : %1</numerusform>
            <numerusform>Pas prêt pour la ligue (%n problèmes) : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 is hurt (%2) and dressed</source>
        <translation>%1 est blessé (%2) et en uniforme</translation>
    </message>
    <message numerus="yes">
        <source>%1 is suspended (%n game(s)) and dressed</source>
        <translation>
            <numerusform>%1 est suspendu (%n match) et en uniforme</numerusform>
            <numerusform>%1 est suspendu (%n matchs) et en uniforme</numerusform>
        </translation>
    </message>
    <message>
        <source>The game roster needs %1 more %2</source>
        <translation>Il manque encore %1 %2 à la formation</translation>
    </message>
    <message>
        <source>The game roster has %1 %2; it takes %3</source>
        <translation>La formation compte %1 %2 ; il en faut %3</translation>
    </message>
    <message numerus="yes">
        <source>%n dressed player(s) can play; a game roster has %1</source>
        <translation>
            <numerusform>%n joueur en uniforme peut jouer ; une formation en compte %1</numerusform>
            <numerusform>%n joueurs en uniforme peuvent jouer ; une formation en compte %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 est vide</translation>
    </message>
    <message>
        <source>%1 names no player of the team</source>
        <translation>%1 ne désigne aucun joueur de l&apos;équipe</translation>
    </message>
    <message>
        <source>%1: %2 is not dressed</source>
        <translation>%1 : %2 n&apos;est pas en uniforme</translation>
    </message>
    <message>
        <source>Injury %1</source>
        <translation>Blessure %1</translation>
    </message>
    <message>
        <source>Susp %1</source>
        <translation>Susp. %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The password is not the lines password of %1.</source>
        <translation>Le mot de passe n&apos;est pas celui des trios de %1.</translation>
    </message>
</context>
<context>
    <name>ReadinessLabel</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>Roster of the %1</source>
        <translation>Effectif : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n Total Players</source>
        <translation>
            <numerusform>%n joueur au total</numerusform>
            <numerusform>%n joueurs au total</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir : %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Missing: %1</source>
        <translation>Manque : %1</translation>
    </message>
    <message>
        <source>Set Game Roster</source>
        <translation>Établir la formation</translation>
    </message>
    <message>
        <source>Roster Complete</source>
        <translation>Formation complète</translation>
    </message>
    <message>
        <source>Game Roster</source>
        <translation>Formation</translation>
    </message>
    <message>
        <source>Scratches</source>
        <translation>Laissés de côté</translation>
    </message>
    <message>
        <source>Farm Roster</source>
        <translation>Club-école</translation>
    </message>
    <message>
        <source>Scratch</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Dress</source>
        <translation>Habiller</translation>
    </message>
    <message>
        <source>To Farm</source>
        <translation>Au club-école</translation>
    </message>
    <message>
        <source>To Pros</source>
        <translation>Rappeler</translation>
    </message>
    <message>
        <source>0 Total Players</source>
        <translation>0 joueur au total</translation>
    </message>
    <message>
        <source>Protect</source>
        <translation>Protéger</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Add Player</source>
        <translation>Ajouter un joueur</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message numerus="yes">
        <source>%n players</source>
        <translation>
            <numerusform>%n joueur</numerusform>
            <numerusform>%n joueurs</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <translation>Déplacer %1 vers %2</translation>
    </message>
    <message>
        <source>Add player to %1</source>
        <translation>Ajouter un joueur à %1</translation>
    </message>
    <message>
        <source>%1 %2 / %3%4</source>
        <translation>%1 %2 / %3%4</translation>
    </message>
</context>
<context>
    <name>RosterForm</name>
    <message>
        <source>Scratch the selected dressed players</source>
        <translation>Retirer de la formation les joueurs choisis</translation>
    </message>
    <message>
        <source>Dress the selected scratches</source>
        <translation>Habiller les joueurs laissés de côté choisis</translation>
    </message>
    <message>
        <source>Send the selected scratches to the farm club</source>
        <translation>Envoyer au club-école les joueurs laissés de côté choisis</translation>
    </message>
    <message>
        <source>Call the selected farm players up</source>
        <translation>Rappeler les joueurs choisis du club-école</translation>
    </message>
    <message>
        <source>Show or hide this position in the lists</source>
        <translation>Afficher ou masquer cette position dans les listes</translation>
    </message>
    <message>
        <source>Protection view: * marks protected players and rookies; a double click or Enter on a player protects him or lifts his protection</source>
        <translation>Vue de protection : * marque les joueurs protégés et les recrues; un double clic ou Entrée sur un joueur le protège ou lève sa protection</translation>
    </message>
    <message>
        <source>Dress 20 players automatically %1</source>
        <translation>Habiller 20 joueurs automatiquement %1</translation>
    </message>
    <message>
        <source>Add a new player to the farm club %1</source>
        <translation>Ajouter un nouveau joueur au club-école %1</translation>
    </message>
    <message>
        <source>Keep or drop the changes and close %1</source>
        <translation>Garder ou abandonner les changements et fermer %1</translation>
    </message>
    <message>
        <source>Dressed players at this position against the game-roster rule</source>
        <translation>Joueurs en uniforme à cette position, face à la règle de la formation</translation>
    </message>
    <message>
        <source>Dressed players in all against the game-roster rule</source>
        <translation>Joueurs en uniforme au total, face à la règle de la formation</translation>
    </message>
</context>
<context>
    <name>RosterTable</name>
    <message>
        <source>Roster order</source>
        <translation>Ordre de l&apos;effectif</translation>
    </message>
</context>
<context>
    <name>Save Lines</name>
    <message>
        <source>The lines were not saved: the lines files of %1 and %2 would be one file, %3, on a disk that ignores case (as Windows does). Rename one of the teams.</source>
        <translation>Les trios n&apos;ont pas été enregistrés : les fichiers de trios de %1 et de %2 seraient un seul fichier, %3, sur un disque qui ignore la casse (comme Windows). Renommez l&apos;une des équipes.</translation>
    </message>
</context>
<context>
    <name>Season</name>
    <message>
        <source>one game day kept: the season view starts here</source>
        <translation>un seul jour de match gardé : la vue de la saison commence ici</translation>
    </message>
    <message>
        <source>Points and goal difference by game day.</source>
        <translation>Points et différence de buts par jour de match.</translation>
    </message>
    <message>
        <source>Rank %1 in the division.</source>
        <translation>Rang %1 dans la division.</translation>
    </message>
    <message>
        <source>Skaters</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Goalies</source>
        <translation>Gardiens</translation>
    </message>
    <message>
        <source>Absences</source>
        <translation>Absences</translation>
    </message>
    <message>
        <source>Waiver wire</source>
        <translation>Liste de ballottage</translation>
    </message>
    <message>
        <source>Enter or a double click opens the player&apos;s card.</source>
        <translation>Entrée ou un double-clic ouvre la fiche du joueur.</translation>
    </message>
    <message>
        <source>&amp;Goalies</source>
        <translation>&amp;Gardiens</translation>
    </message>
    <message>
        <source>&amp;Absences</source>
        <translation>&amp;Absences</translation>
    </message>
    <message>
        <source>&amp;Waiver wire (better than your weakest dressed)</source>
        <translation>Liste de &amp;ballottage (meilleurs que votre plus faible en uniforme)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>▲ hot: the most points of the span among those who played; ▼ cold: the fewest.</source>
        <translation>▲ en feu : le plus de points de la période parmi ceux qui ont joué ; ▼ en panne : le moins.</translation>
    </message>
    <message>
        <source>Click a heading to sort; Enter or a double click opens the card.</source>
        <translation>Cliquer sur un en-tête pour trier ; Entrée ou un double-clic ouvre la fiche.</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>En feu</translation>
    </message>
    <message>
        <source>Cold</source>
        <translation>En panne</translation>
    </message>
    <message numerus="yes">
        <source>%1: the season so far, %n game day(s) kept</source>
        <translation>
            <numerusform>%1 : la saison jusqu&apos;ici, %n jour de match gardé</numerusform>
            <numerusform>%1 : la saison jusqu&apos;ici, %n jours de match gardés</numerusform>
        </translation>
    </message>
    <message>
        <source>Now %1-%2-%3, %4 PTS, goal difference %5, %6; %7 PTS since day %8</source>
        <translation>Maintenant %1-%2-%3, %4 PTS, différence de buts %5, %6 ; %7 PTS depuis le jour %8</translation>
    </message>
    <message numerus="yes">
        <source>Form over the last %n game day(s)</source>
        <translation>
            <numerusform>Forme sur %n jour de match</numerusform>
            <numerusform>Forme sur les %n derniers jours de match</numerusform>
        </translation>
    </message>
    <message>
        <source>hurt (%1)</source>
        <translation>blessé (%1)</translation>
    </message>
    <message numerus="yes">
        <source>suspended %n game(s)</source>
        <translation>
            <numerusform>suspendu %n match</numerusform>
            <numerusform>suspendu %n matchs</numerusform>
        </translation>
    </message>
    <message>
        <source>days %1 to %2</source>
        <translation>jours %1 à %2</translation>
    </message>
    <message>
        <source>since day %1, still out</source>
        <translation>depuis le jour %1, toujours absent</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>%1 (%2) OV %3, OF %4, DF %5</source>
        <translation>%1 (%2) GL %3, ATT %4, DÉF %5</translation>
    </message>
    <message>
        <source>%1: better than %2 (OV %3)</source>
        <translation>%1 : meilleur que %2 (GL %3)</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Saison</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>SlotEditing</name>
    <message>
        <source>Clear Slot</source>
        <translation>Vider la place</translation>
    </message>
</context>
<context>
    <name>SlotLabel</name>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Out of the next game: %1</source>
        <translation>Absent du prochain match : %1</translation>
    </message>
</context>
<context>
    <name>Standings</name>
    <message>
        <source>Unlisted: %1</source>
        <translation>Non classées : %1</translation>
    </message>
    <message>
        <source>Conference %1</source>
        <translation>Association %1</translation>
    </message>
    <message>
        <source>Division %1</source>
        <translation>Division %1</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Classement</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>StandingsForm</name>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Place in the division: points, then wins, then goal difference.</source>
        <translation>Rang dans la division : points, puis victoires, puis différence de buts.</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>Double click or Enter makes the team current.</source>
        <translation>Un double clic ou Entrée en fait l&apos;équipe actuelle.</translation>
    </message>
    <message>
        <source>GP</source>
        <translation>PJ</translation>
    </message>
    <message>
        <source>Games played: W + L + T.</source>
        <translation>Matchs joués : V + D + N.</translation>
    </message>
    <message>
        <source>W</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Wins.</source>
        <translation>Victoires.</translation>
    </message>
    <message>
        <source>L</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Losses.</source>
        <translation>Défaites.</translation>
    </message>
    <message>
        <source>T</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Ties.</source>
        <translation>Matchs nuls.</translation>
    </message>
    <message>
        <source>PTS</source>
        <translation>PTS</translation>
    </message>
    <message>
        <source>Points: 2 for a win, 1 for a tie.</source>
        <translation>Points : 2 pour une victoire, 1 pour un nul.</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>BP</translation>
    </message>
    <message>
        <source>Goals for.</source>
        <translation>Buts pour.</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>BC</translation>
    </message>
    <message>
        <source>Goals against.</source>
        <translation>Buts contre.</translation>
    </message>
    <message>
        <source>DIFF</source>
        <translation>DIFF</translation>
    </message>
    <message>
        <source>Goal difference: GF - GA.</source>
        <translation>Différence de buts : BP - BC.</translation>
    </message>
    <message>
        <source>Teams whose conference or division the league does not have.</source>
        <translation>Équipes dont la ligue n&apos;a pas l&apos;association ou la division.</translation>
    </message>
</context>
<context>
    <name>StrengthChart</name>
    <message>
        <source>Mean overall rating of the best players of each position that a game roster asks for (3 C, 3 LW, 3 RW, 6 D, 1 G). Solid bar and first number: the dressed players. Pale bar and second number: the whole pro roster.</source>
        <translation>Cote globale moyenne des meilleurs joueurs de chaque position qu&apos;exige une formation (3 C, 3 AG, 3 AD, 6 D, 1 G). Barre pleine et premier nombre : les joueurs en uniforme. Barre pâle et second nombre : tout l&apos;effectif pro.</translation>
    </message>
    <message>
        <source> (%1 of %2)</source>
        <translation> (%1 sur %2)</translation>
    </message>
    <message>
        <source>dressed | pro roster</source>
        <translation>en uniforme | effectif pro</translation>
    </message>
</context>
<context>
    <name>TeamSession</name>
    <message>
        <source>Not enough players</source>
        <translation>Pas assez de joueurs</translation>
    </message>
    <message>
        <source>Auto Roster</source>
        <translation>Formation automatique</translation>
    </message>
    <message>
        <source>Auto roster</source>
        <translation>Formation automatique</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Vider %1</translation>
    </message>
    <message>
        <source>Swap %1 and %2</source>
        <translation>Échanger %1 et %2</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>Trio 1</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Trio 2</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>Trio 3</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>Trio 4</translation>
    </message>
    <message>
        <source>PP Line 1 (5 on 4)</source>
        <translation>AN 1 (5 contre 4)</translation>
    </message>
    <message>
        <source>PP Line 2 (5 on 4)</source>
        <translation>AN 2 (5 contre 4)</translation>
    </message>
    <message>
        <source>PP Line 1 (4 on 3)</source>
        <translation>AN 1 (4 contre 3)</translation>
    </message>
    <message>
        <source>PP Line 2 (4 on 3)</source>
        <translation>AN 2 (4 contre 3)</translation>
    </message>
    <message>
        <source>PK Line 1 (4 on 5)</source>
        <translation>DN 1 (4 contre 5)</translation>
    </message>
    <message>
        <source>PK Line 2 (4 on 5)</source>
        <translation>DN 2 (4 contre 5)</translation>
    </message>
    <message>
        <source>PK Line 1 (3 on 5)</source>
        <translation>DN 1 (3 contre 5)</translation>
    </message>
    <message>
        <source>PK Line 2 (3 on 5)</source>
        <translation>DN 2 (3 contre 5)</translation>
    </message>
    <message>
        <source>Goalie / Extra Skaters</source>
        <translation>Gardien / patineurs supplémentaires</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Gardien</translation>
    </message>
    <message>
        <source>Extra Skater %1</source>
        <translation>Patineur supplémentaire %1</translation>
    </message>
    <message>
        <source>Goalie row spare</source>
        <translation>Réserve de la rangée des gardiens</translation>
    </message>
    <message>
        <source>%1 spare</source>
        <translation>%1 réserve</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Save Lines</source>
        <translation>Enregistrer les trios</translation>
    </message>
    <message>
        <source>Import Lines</source>
        <translation>Importer des trios</translation>
    </message>
    <message>
        <source>The password cannot hold &quot;%1&quot;: a lines file keeps only characters of the Windows-1252 set.</source>
        <translation>Le mot de passe ne peut contenir « %1 » : un fichier de trios ne garde que les caractères du jeu Windows-1252.</translation>
    </message>
    <message>
        <source>The password does not match the lines password of %1. Save anyway?</source>
        <translation>Le mot de passe ne correspond pas à celui des trios de %1. Enregistrer quand même ?</translation>
    </message>
    <message>
        <source>The lines were not saved.
%1</source>
        <translation>Les trios n&apos;ont pas été enregistrés.
%1</translation>
    </message>
    <message>
        <source>Lines saved as %1</source>
        <translation>Trios enregistrés sous %1</translation>
    </message>
    <message>
        <source>Lines Saved</source>
        <translation>Trios enregistrés</translation>
    </message>
    <message>
        <source>Errors in File</source>
        <translation>Erreurs dans le fichier</translation>
    </message>
    <message>
        <source>Invalid File</source>
        <translation>Fichier non valide</translation>
    </message>
    <message>
        <source>Password Incorrect</source>
        <translation>Mot de passe incorrect</translation>
    </message>
    <message>
        <source>Load Lines</source>
        <translation>Charger des trios</translation>
    </message>
    <message>
        <source>%1 lines are not valid</source>
        <translation>Les trios de %1 ne sont pas valides</translation>
    </message>
    <message>
        <source>Invalid Lines</source>
        <translation>Trios non valides</translation>
    </message>
    <message>
        <source>Scratch %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>%1 is unavailable</source>
        <translation>%1 n&apos;est pas disponible</translation>
    </message>
    <message>
        <source>Dress %1</source>
        <translation>Habiller %1</translation>
    </message>
    <message>
        <source>%1 cannot be sent to farm</source>
        <translation>%1 ne peut pas être envoyé au club-école</translation>
    </message>
    <message>
        <source>Send %1 to farm</source>
        <translation>Envoyer %1 au club-école</translation>
    </message>
    <message>
        <source>Call up %1</source>
        <translation>Rappeler %1</translation>
    </message>
    <message>
        <source>Unprotect %1</source>
        <translation>Retirer la protection de %1</translation>
    </message>
    <message>
        <source>Protect %1</source>
        <translation>Protéger %1</translation>
    </message>
    <message>
        <source>The lines files of %1 and %2 would both be %3; rename one of the teams.</source>
        <translation>Les fichiers de trios de %1 et de %2 seraient tous deux %3; renommez l&apos;une des équipes.</translation>
    </message>
    <message>
        <source>Roster not complete</source>
        <translation>Formation incomplète</translation>
    </message>
    <message>
        <source>Set roster first</source>
        <translation>Établissez d&apos;abord la formation</translation>
    </message>
    <message>
        <source>Auto Lines</source>
        <translation>Trios automatiques</translation>
    </message>
    <message>
        <source>Auto lines</source>
        <translation>Trios automatiques</translation>
    </message>
    <message>
        <source>Put %1 in %2</source>
        <translation>Placer %1 à %2</translation>
    </message>
    <message>
        <source>Lines are not complete</source>
        <translation>Les trios ne sont pas complets</translation>
    </message>
    <message>
        <source>Keep Roster Changes?</source>
        <translation>Garder les changements de la formation ?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Garder les changements</translation>
    </message>
    <message>
        <source>Keep Line Changes?</source>
        <translation>Garder les changements des trios ?</translation>
    </message>
    <message>
        <source>Edit Roster</source>
        <translation>Modifier la formation</translation>
    </message>
    <message>
        <source>Edit Lines</source>
        <translation>Modifier les trios</translation>
    </message>
    <message>
        <source>Changes were not saved</source>
        <translation>Les changements n&apos;ont pas été enregistrés</translation>
    </message>
    <message>
        <source>Put %1 on waivers?</source>
        <translation>Soumettre %1 au ballottage ?</translation>
    </message>
</context>
<context>
    <name>korvel::CandidateTable</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>korvel::DisplayTeamForm</name>
    <message>
        <source>none</source>
        <translation>néant</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>korvel::FinanceChart</name>
    <message>
        <source>Finances</source>
        <translation>Finances</translation>
    </message>
    <message>
        <source>Now %1; revenue %2; expenses %3; balance %4</source>
        <translation>Maintenant %1 ; recettes %2 ; dépenses %3 ; solde %4</translation>
    </message>
</context>
<context>
    <name>korvel::LinesForm</name>
    <message>
        <source>Dressed players</source>
        <translation>Joueurs en uniforme</translation>
    </message>
    <message>
        <source>Pick a player, then press Enter on a slot; F6 goes to the slots and back</source>
        <translation>Choisissez un joueur, puis appuyez sur Entrée sur une place ; F6 va vers les places et revient</translation>
    </message>
</context>
<context>
    <name>korvel::MainForm</name>
    <message>
        <source>Divisions of %1</source>
        <translation>Divisions de %1</translation>
    </message>
    <message>
        <source>Teams of %1</source>
        <translation>Équipes de %1</translation>
    </message>
</context>
<context>
    <name>korvel::RosterTable</name>
    <message>
        <source>available</source>
        <translation>disponible</translation>
    </message>
</context>
<context>
    <name>korvel::SkillBar</name>
    <message>
        <source>no rating</source>
        <translation>aucune cote</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>korvel::StandingsForm</name>
    <message>
        <source>Standings</source>
        <translation>Classement</translation>
    </message>
    <message>
        <source>Enter or a double click makes the team current</source>
        <translation>Entrée ou un double-clic en fait l&apos;équipe courante</translation>
    </message>
    <message>
        <source>%1, current team</source>
        <translation>%1, équipe courante</translation>
    </message>
</context>
<context>
    <name>korvel::StrengthChart</name>
    <message>
        <source>Strength by position</source>
        <translation>Force par position</translation>
    </message>
    <message>
        <source>%1: dressed %2, pro roster %3</source>
        <translation>%1 : en uniforme %2, effectif pro %3</translation>
    </message>
</context>
<context>
    <name>korvel::qt::SlotLabel</name>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1, refused</source>
        <translation>%1, refusé</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A second start in this folder cannot bring this window forward: %1</source>
        <translation>Un second démarrage dans ce dossier ne peut pas amener cette fenêtre au premier plan : %1</translation>
    </message>
</context>
</TS>
