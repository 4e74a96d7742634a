<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>&lt;h3&gt;Korvel %1&lt;/h3&gt;&lt;p&gt;Prepares the game roster and the lines of an ice-hockey team for the league&apos;s next game.&lt;/p&gt;&lt;p&gt;Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later). Korvel comes with no warranty.&lt;/p&gt;&lt;p&gt;Built with:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Qt %2 (LGPL-3.0)&lt;/li&gt;&lt;li&gt;CLI11 (BSD-3-Clause), in korvel-cli and korvel-make-league&lt;/li&gt;&lt;li&gt;nlohmann/json (MIT), in korvel-cli&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Korvel %1&lt;/h3&gt;&lt;p&gt;Stellt den Spieltagskader und die Reihen einer Eishockeymannschaft für das nächste Spiel der Liga auf.&lt;/p&gt;&lt;p&gt;Lizenz: GNU General Public License, Version 3 oder später (GPL-3.0-or-later). Korvel wird ohne jede Gewährleistung geliefert.&lt;/p&gt;&lt;p&gt;Erstellt mit:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Qt %2 (LGPL-3.0)&lt;/li&gt;&lt;li&gt;CLI11 (BSD-3-Clause), in korvel-cli und korvel-make-league&lt;/li&gt;&lt;li&gt;nlohmann/json (MIT), in korvel-cli&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>About Korvel</source>
        <translation>Über Korvel</translation>
    </message>
</context>
<context>
    <name>AddPlayer</name>
    <message>
        <source>Intensity</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>Endurance</source>
        <translation>Ausdauer</translation>
    </message>
    <message>
        <source>Durability</source>
        <translation>Robustheit</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Disziplin</translation>
    </message>
    <message>
        <source>Skating</source>
        <translation>Eislauf</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Passspiel</translation>
    </message>
    <message>
        <source>Stickhandle</source>
        <translation>Stockführung</translation>
    </message>
    <message>
        <source>Defence</source>
        <translation>Defensive</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Torabschluss</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Erfahrung</translation>
    </message>
    <message>
        <source>Leadership</source>
        <translation>Führung</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Enter the player&apos;s name.</source>
        <translation>Geben Sie den Namen des Spielers ein.</translation>
    </message>
    <message>
        <source>The roster of %1 is full: all 50 places are taken.</source>
        <translation>Der Kader von %1 ist voll: Alle 50 Plätze sind belegt.</translation>
    </message>
    <message>
        <source>Choose the player&apos;s position.</source>
        <translation>Wählen Sie die Position des Spielers.</translation>
    </message>
    <message>
        <source>%1 must be from %2 to %3.</source>
        <translation>%1 muss zwischen %2 und %3 liegen.</translation>
    </message>
    <message>
        <source>Add Player</source>
        <translation>Spieler hinzufügen</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Height (in)</source>
        <translation>Größe (Zoll)</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>Rookie</source>
        <translation>Rookie</translation>
    </message>
    <message>
        <source>Salary</source>
        <translation>Gehalt</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Vertrag</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>AddPlayerForm</name>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>First and last name</source>
        <translation>Vor- und Nachname</translation>
    </message>
    <message>
        <source> in</source>
        <translation> Zoll</translation>
    </message>
    <message>
        <source>Country of birth, three letters</source>
        <translation>Geburtsland, drei Buchstaben</translation>
    </message>
    <message>
        <source>Rookie</source>
        <translation>Rookie</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Position</source>
        <translation>&amp;Position</translation>
    </message>
    <message>
        <source>N&amp;umber</source>
        <translation>N&amp;ummer</translation>
    </message>
    <message>
        <source>&amp;Hand</source>
        <translation>&amp;Schusshand</translation>
    </message>
    <message>
        <source>Hei&amp;ght</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>&amp;Gewicht</translation>
    </message>
    <message>
        <source>&amp;Age</source>
        <translation>&amp;Alter</translation>
    </message>
    <message>
        <source>&amp;Birthplace</source>
        <translation>Ge&amp;burtsort</translation>
    </message>
    <message>
        <source>&amp;Salary</source>
        <translation>Ge&amp;halt</translation>
    </message>
    <message>
        <source>&amp;Contract</source>
        <translation>&amp;Vertrag</translation>
    </message>
    <message>
        <source>Skills (0 to 99)</source>
        <translation>Fähigkeiten (0 bis 99)</translation>
    </message>
</context>
<context>
    <name>CandidateTable</name>
    <message>
        <source>Not in the lines shown</source>
        <translation>Nicht in den gezeigten Reihen</translation>
    </message>
    <message>
        <source>In one place of the lines shown</source>
        <translation>An einer Stelle der gezeigten Reihen</translation>
    </message>
    <message>
        <source>In several places of the lines shown</source>
        <translation>An mehreren Stellen der gezeigten Reihen</translation>
    </message>
</context>
<context>
    <name>Commit</name>
    <message>
        <source>%1. A save that Korvel could not finish waits in %2 with every file it names, and is finished the next time Korvel starts in this folder; until then no league is loaded here</source>
        <translation>%1. Eine Speicherung, die Korvel nicht abschließen konnte, wartet in %2 mit allen Dateien, die sie nennt, und wird beim nächsten Start von Korvel in diesem Ordner abgeschlossen; bis dahin wird hier keine Liga geladen</translation>
    </message>
</context>
<context>
    <name>DisplayTeam</name>
    <message>
        <source>Team Roster</source>
        <translation>Mannschaftskader</translation>
    </message>
    <message>
        <source>Team Name</source>
        <translation>Mannschaftsname</translation>
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
        <translation>KÜRZEL</translation>
    </message>
    <message>
        <source>OWNER</source>
        <translation>EIGENTÜMER</translation>
    </message>
    <message>
        <source>EMAIL</source>
        <translation>E-MAIL</translation>
    </message>
    <message>
        <source>ICQ#</source>
        <translation>ICQ#</translation>
    </message>
    <message>
        <source>COACH</source>
        <translation>TRAINER</translation>
    </message>
    <message>
        <source>ARENA</source>
        <translation>HALLE</translation>
    </message>
    <message>
        <source>SEATS</source>
        <translation>PLÄTZE</translation>
    </message>
    <message>
        <source>TICKET $</source>
        <translation>TICKET $</translation>
    </message>
    <message>
        <source>GP</source>
        <translation>Sp</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>T+</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>T-</translation>
    </message>
    <message>
        <source>PP%</source>
        <translation>ÜZ%</translation>
    </message>
    <message>
        <source>PK%</source>
        <translation>UZ%</translation>
    </message>
    <message>
        <source>SF/G</source>
        <translation>S+/Sp</translation>
    </message>
    <message>
        <source>SA/G</source>
        <translation>S-/Sp</translation>
    </message>
    <message>
        <source>PIM/G</source>
        <translation>SM/Sp</translation>
    </message>
    <message>
        <source>Average Height</source>
        <translation>Durchschnittsgröße</translation>
    </message>
    <message>
        <source>Average Weight</source>
        <translation>Durchschnittsgewicht</translation>
    </message>
    <message>
        <source>Average Age</source>
        <translation>Durchschnittsalter</translation>
    </message>
    <message>
        <source>Pro Players</source>
        <translation>Profispieler</translation>
    </message>
    <message>
        <source>Farm Players</source>
        <translation>Farmteam-Spieler</translation>
    </message>
    <message>
        <source>Projected Free Agents</source>
        <translation>Erwartete Free Agents</translation>
    </message>
    <message>
        <source>Revenue/Game</source>
        <translation>Einnahmen/Spiel</translation>
    </message>
    <message>
        <source>Estimated Revenue</source>
        <translation>Geschätzte Einnahmen</translation>
    </message>
    <message>
        <source>Expenses/Game</source>
        <translation>Ausgaben/Spiel</translation>
    </message>
    <message>
        <source>Projected Expenses</source>
        <translation>Erwartete Ausgaben</translation>
    </message>
    <message>
        <source>Projected Balance</source>
        <translation>Erwarteter Saldo</translation>
    </message>
    <message>
        <source>Current Finances</source>
        <translation>Aktuelle Finanzen</translation>
    </message>
    <message>
        <source>Home Games Remaining</source>
        <translation>Verbleibende Heimspiele</translation>
    </message>
    <message>
        <source>Games Remaining</source>
        <translation>Verbleibende Spiele</translation>
    </message>
    <message>
        <source>Team Info</source>
        <translation>Mannschaftsinfo</translation>
    </message>
</context>
<context>
    <name>DisplayTeamForm</name>
    <message>
        <source>The team&apos;s name as the league stores it.</source>
        <translation>Der Name der Mannschaft, wie die Liga ihn speichert.</translation>
    </message>
    <message>
        <source>The conference the team plays in.</source>
        <translation>Die Conference, in der die Mannschaft spielt.</translation>
    </message>
    <message>
        <source>The team&apos;s division within its conference.</source>
        <translation>Die Division der Mannschaft innerhalb ihrer Conference.</translation>
    </message>
    <message>
        <source>The team&apos;s three-letter abbreviation.</source>
        <translation>Das dreibuchstabige Kürzel der Mannschaft.</translation>
    </message>
    <message>
        <source>The team&apos;s owner.</source>
        <translation>Der Eigentümer der Mannschaft.</translation>
    </message>
    <message>
        <source>The league files keep no e-mail address.</source>
        <translation>Die Ligadateien speichern keine E-Mail-Adresse.</translation>
    </message>
    <message>
        <source>The owner&apos;s ICQ number.</source>
        <translation>Die ICQ-Nummer des Eigentümers.</translation>
    </message>
    <message>
        <source>The head coach. Half of his salary is a season expense.</source>
        <translation>Der Cheftrainer. Die Hälfte seines Gehalts ist eine Saisonausgabe.</translation>
    </message>
    <message>
        <source>The team&apos;s home arena.</source>
        <translation>Die Heimhalle der Mannschaft.</translation>
    </message>
    <message>
        <source>Seats in the arena.</source>
        <translation>Plätze in der Halle.</translation>
    </message>
    <message>
        <source>Price of one ticket, in dollars.</source>
        <translation>Preis eines Tickets, in Dollar.</translation>
    </message>
    <message>
        <source>Games played: wins + losses + ties.</source>
        <translation>Gespielte Spiele: Siege + Niederlagen + Unentschieden.</translation>
    </message>
    <message>
        <source>Wins.</source>
        <translation>Siege.</translation>
    </message>
    <message>
        <source>Losses.</source>
        <translation>Niederlagen.</translation>
    </message>
    <message>
        <source>Ties.</source>
        <translation>Unentschieden.</translation>
    </message>
    <message>
        <source>Goals scored.</source>
        <translation>Erzielte Tore.</translation>
    </message>
    <message>
        <source>Goals allowed.</source>
        <translation>Gegentore.</translation>
    </message>
    <message>
        <source>Power-play goals per 100 power plays, cut to one decimal. Empty until the team has had a power play.</source>
        <translation>Überzahltore pro 100 Überzahlspiele, auf eine Nachkommastelle abgeschnitten. Leer, bis die Mannschaft ein Überzahlspiel hatte.</translation>
    </message>
    <message>
        <source>Per cent of times shorthanded without a goal against, cut to one decimal.</source>
        <translation>Anteil der Unterzahlspiele ohne Gegentor in Prozent, auf eine Nachkommastelle abgeschnitten.</translation>
    </message>
    <message>
        <source>Shots on goal per game played.</source>
        <translation>Torschüsse pro gespieltem Spiel.</translation>
    </message>
    <message>
        <source>Shots against per game played.</source>
        <translation>Schüsse gegen pro gespieltem Spiel.</translation>
    </message>
    <message>
        <source>Penalty minutes per game played.</source>
        <translation>Strafminuten pro gespieltem Spiel.</translation>
    </message>
    <message>
        <source>Average height of the pro players, in the league&apos;s units.</source>
        <translation>Durchschnittsgröße der Profispieler, in den Einheiten der Liga.</translation>
    </message>
    <message>
        <source>Average weight of the pro players, in the league&apos;s units.</source>
        <translation>Durchschnittsgewicht der Profispieler, in den Einheiten der Liga.</translation>
    </message>
    <message>
        <source>Average age of the pro players.</source>
        <translation>Durchschnittsalter der Profispieler.</translation>
    </message>
    <message>
        <source>Players on the pro roster, dressed or scratched, injured or not.</source>
        <translation>Spieler im Profikader, aufgestellt oder überzählig, verletzt oder nicht.</translation>
    </message>
    <message>
        <source>Healthy players with the farm club.</source>
        <translation>Gesunde Spieler im Farmteam.</translation>
    </message>
    <message>
        <source>Not worked out: the league files do not say whose contracts end.</source>
        <translation>Nicht berechnet: Die Ligadateien sagen nicht, wessen Verträge auslaufen.</translation>
    </message>
    <message>
        <source>Gate revenue of one home game.</source>
        <translation>Zuschauereinnahmen eines Heimspiels.</translation>
    </message>
    <message>
        <source>Revenue still to come: home games remaining x revenue per game. Nothing before the season starts.</source>
        <translation>Noch ausstehende Einnahmen: verbleibende Heimspiele x Einnahmen pro Spiel. Nichts vor Saisonbeginn.</translation>
    </message>
    <message>
        <source>Season expenses (pro salaries, a tenth of each healthy farm player&apos;s salary, half the coach&apos;s salary) spread over 84 games.</source>
        <translation>Saisonausgaben (Profigehälter, ein Zehntel des Gehalts jedes gesunden Farmteam-Spielers, das halbe Trainergehalt) verteilt auf 84 Spiele.</translation>
    </message>
    <message>
        <source>Expenses still to come: games remaining x expenses per game. Nothing before the season starts.</source>
        <translation>Noch ausstehende Ausgaben: verbleibende Spiele x Ausgaben pro Spiel. Nichts vor Saisonbeginn.</translation>
    </message>
    <message>
        <source>Current finances + estimated revenue - projected expenses, from the amounts shown. Red when the team ends the season in the red.</source>
        <translation>Aktuelle Finanzen + geschätzte Einnahmen - erwartete Ausgaben, aus den gezeigten Beträgen. Rot, wenn die Mannschaft die Saison in den roten Zahlen beendet.</translation>
    </message>
    <message>
        <source>The team&apos;s money now.</source>
        <translation>Das Geld der Mannschaft zurzeit.</translation>
    </message>
    <message>
        <source>Half the season&apos;s games less the home games played.</source>
        <translation>Die Hälfte der Saisonspiele abzüglich der gespielten Heimspiele.</translation>
    </message>
    <message>
        <source>The season&apos;s games per team less the games played. Negative when the team has played more games than the season has.</source>
        <translation>Die Saisonspiele pro Mannschaft abzüglich der gespielten Spiele. Negativ, wenn die Mannschaft mehr Spiele bestritten hat, als die Saison hat.</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Current finances, estimated revenue, projected expenses and projected balance, as shown above. Amounts below zero hang under the line.</source>
        <translation>Aktuelle Finanzen, geschätzte Einnahmen, erwartete Ausgaben und erwarteter Saldo wie oben gezeigt. Beträge unter null hängen unter der Linie.</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Revenue</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>FINANCES</source>
        <translation>FINANZEN</translation>
    </message>
    <message>
        <source>ROSTER</source>
        <translation>KADER</translation>
    </message>
    <message>
        <source>RECORD AND STATISTICS</source>
        <translation>BILANZ UND STATISTIK</translation>
    </message>
    <message>
        <source>Team &amp;Lines</source>
        <translation>&amp;Reihen der Mannschaft</translation>
    </message>
    <message>
        <source>Team &amp;Roster</source>
        <translation>&amp;Kader der Mannschaft</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>STRENGTH</source>
        <translation>STÄRKE</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot be written (Input/output error)</source>
        <translation>kann nicht geschrieben werden (Ein-/Ausgabefehler)</translation>
    </message>
    <message>
        <source>is not a whole Korvel commit journal; remove it to go on</source>
        <translation>ist kein vollständiges Speicherjournal von Korvel; entfernen Sie es, um fortzufahren</translation>
    </message>
    <message>
        <source>cannot be replaced (%1)</source>
        <translation>kann nicht ersetzt werden (%1)</translation>
    </message>
    <message>
        <source>cannot be removed (%1)</source>
        <translation>kann nicht entfernt werden (%1)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>was replaced but not flushed to disk (%1)</source>
        <translation>wurde ersetzt, aber nicht auf die Festplatte geschrieben (%1)</translation>
    </message>
    <message>
        <source>cannot be flushed to disk (%1)</source>
        <translation>kann nicht auf die Festplatte geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>kann nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>cannot be written in place (%1)</source>
        <translation>kann nicht an Ort und Stelle geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>The folder %1 is in use by another Korvel program. Close it, or start Korvel in another folder.</source>
        <translation>Der Ordner %1 wird von einem anderen Korvel-Programm benutzt. Schließen Sie es oder starten Sie Korvel in einem anderen Ordner.</translation>
    </message>
    <message>
        <source>%1; Korvel does not work in a start folder it cannot lock. Remove it, or start Korvel in another folder.</source>
        <translation>%1; Korvel arbeitet nicht in einem Startordner, den es nicht sperren kann. Entfernen Sie die Datei oder starten Sie Korvel in einem anderen Ordner.</translation>
    </message>
    <message>
        <source>is a symbolic link, not a file</source>
        <translation>ist ein symbolischer Link, keine Datei</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>kann nicht geöffnet werden (%1)</translation>
    </message>
    <message>
        <source>is not a normal file</source>
        <translation>ist keine normale Datei</translation>
    </message>
    <message>
        <source>cannot be locked (%1)</source>
        <translation>kann nicht gesperrt werden (%1)</translation>
    </message>
    <message>
        <source>is held by another Korvel program</source>
        <translation>wird von einem anderen Korvel-Programm gehalten</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>is a pipe, not a file</source>
        <translation>ist eine Pipe, keine Datei</translation>
    </message>
    <message>
        <source>is a device, not a file</source>
        <translation>ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>reading failed (%1)</source>
        <translation>Lesen fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <source>is being saved by another Korvel program; try again when it is done</source>
        <translation>wird gerade von einem anderen Korvel-Programm gespeichert; versuchen Sie es erneut, wenn es fertig ist</translation>
    </message>
    <message>
        <source>is cut short</source>
        <translation>ist abgeschnitten</translation>
    </message>
    <message>
        <source>is damaged (a part longer than a league has)</source>
        <translation>ist beschädigt (ein Teil länger, als eine Liga hat)</translation>
    </message>
    <message>
        <source>is not a game-day history of Korvel</source>
        <translation>ist keine Spieltagsgeschichte von Korvel</translation>
    </message>
    <message>
        <source>is cut short or damaged (its checksum does not match)</source>
        <translation>ist abgeschnitten oder beschädigt (die Prüfsumme stimmt nicht)</translation>
    </message>
    <message>
        <source>is damaged (too many leagues)</source>
        <translation>ist beschädigt (zu viele Ligen)</translation>
    </message>
    <message>
        <source>is damaged (too many game days)</source>
        <translation>ist beschädigt (zu viele Spieltage)</translation>
    </message>
    <message>
        <source>is damaged (bytes after its end)</source>
        <translation>ist beschädigt (Bytes nach dem Ende)</translation>
    </message>
    <message>
        <source>holds no league path (binary or overlong first line)</source>
        <translation>enthält keinen Ligapfad (binäre oder überlange erste Zeile)</translation>
    </message>
    <message>
        <source>holds the game days of another league under %1 (%2)</source>
        <translation>enthält die Spieltage einer anderen Liga unter %1 (%2)</translation>
    </message>
    <message>
        <source>is damaged (a league without game days)</source>
        <translation>ist beschädigt (eine Liga ohne Spieltage)</translation>
    </message>
    <message>
        <source>no free name to set it aside under</source>
        <translation>kein freier Name, um sie beiseitezulegen</translation>
    </message>
    <message>
        <source>is damaged (a number too long)</source>
        <translation>ist beschädigt (eine zu lange Zahl)</translation>
    </message>
    <message>
        <source>is damaged (a game day larger than a league has)</source>
        <translation>ist beschädigt (ein Spieltag, größer als eine Liga hat)</translation>
    </message>
    <message>
        <source>is damaged (a change of the wrong size)</source>
        <translation>ist beschädigt (eine Änderung der falschen Größe)</translation>
    </message>
    <message>
        <source>is damaged (a change past the end)</source>
        <translation>ist beschädigt (eine Änderung über das Ende hinaus)</translation>
    </message>
    <message>
        <source>is damaged (a change of an unknown kind)</source>
        <translation>ist beschädigt (eine Änderung unbekannter Art)</translation>
    </message>
    <message>
        <source>was written by a newer Korvel (format %1)</source>
        <translation>wurde von einem neueren Korvel geschrieben (Format %1)</translation>
    </message>
    <message>
        <source>is damaged (an index longer than it can be)</source>
        <translation>ist beschädigt (ein Index, länger als er sein kann)</translation>
    </message>
    <message>
        <source>is damaged (bytes after its index)</source>
        <translation>ist beschädigt (Bytes nach ihrem Index)</translation>
    </message>
    <message>
        <source>is damaged (bytes after a game day)</source>
        <translation>ist beschädigt (Bytes nach einem Spieltag)</translation>
    </message>
    <message>
        <source>is damaged (bytes after the season)</source>
        <translation>ist beschädigt (Bytes nach der Saison)</translation>
    </message>
    <message>
        <source>is damaged (bytes after a change)</source>
        <translation>ist beschädigt (Bytes nach einer Änderung)</translation>
    </message>
</context>
<context>
    <name>GameDayBriefing</name>
    <message>
        <source>not injured</source>
        <translation>nicht verletzt</translation>
    </message>
    <message>
        <source>day-to-day</source>
        <translation>von Tag zu Tag</translation>
    </message>
    <message>
        <source>1-2 weeks</source>
        <translation>1-2 Wochen</translation>
    </message>
    <message>
        <source>2-4 weeks</source>
        <translation>2-4 Wochen</translation>
    </message>
    <message>
        <source>4-6 weeks</source>
        <translation>4-6 Wochen</translation>
    </message>
    <message>
        <source>2-4 months</source>
        <translation>2-4 Monate</translation>
    </message>
    <message>
        <source>indefinitely</source>
        <translation>auf unbestimmte Zeit</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s)</source>
        <translation>
            <numerusform>%n Spiel</numerusform>
            <numerusform>%n Spiele</numerusform>
        </translation>
    </message>
    <message>
        <source>%1-%2-%3, %4 PTS, GF %5, GA %6</source>
        <translation>%1-%2-%3, %4 Pkt, Tore %5:%6</translation>
    </message>
    <message>
        <source>in no division</source>
        <translation>in keiner Division</translation>
    </message>
    <message>
        <source>%1th in the division</source>
        <translation>Platz %1 in der Division</translation>
    </message>
    <message>
        <source>%1st in the division</source>
        <translation>Platz %1 in der Division</translation>
    </message>
    <message>
        <source>%1nd in the division</source>
        <translation>Platz %1 in der Division</translation>
    </message>
    <message>
        <source>%1rd in the division</source>
        <translation>Platz %1 in der Division</translation>
    </message>
    <message>
        <source>Hurt: %1, %2</source>
        <translation>Verletzt: %1, %2</translation>
    </message>
    <message>
        <source>Healed: %1, was %2</source>
        <translation>Genesen: %1, war %2</translation>
    </message>
    <message>
        <source>Changed: %1, %2, was %3</source>
        <translation>Geändert: %1, %2, war %3</translation>
    </message>
    <message>
        <source>Suspended: %1, %2</source>
        <translation>Gesperrt: %1, %2</translation>
    </message>
    <message>
        <source>Back from suspension: %1, was %2</source>
        <translation>Zurück nach Sperre: %1, war %2</translation>
    </message>
    <message>
        <source>%1, %2, OV %3 OF %4 DF %5</source>
        <translation>%1, %2, GES %3 OFF %4 DEF %5</translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <translation>%1 (war %2)</translation>
    </message>
    <message>
        <source>Briefing: %1</source>
        <translation>Lagebericht: %1</translation>
    </message>
    <message>
        <source>%1 since the last game day</source>
        <translation>%1 seit dem letzten Spieltag</translation>
    </message>
    <message>
        <source>%1: first visit, no earlier game day to compare</source>
        <translation>%1: erster Besuch, kein früherer Spieltag zum Vergleich</translation>
    </message>
    <message>
        <source>Record: %1</source>
        <translation>Bilanz: %1</translation>
    </message>
    <message>
        <source>Rank: %1</source>
        <translation>Platz: %1</translation>
    </message>
    <message>
        <source>Injuries</source>
        <translation>Verletzungen</translation>
    </message>
    <message>
        <source>Suspensions</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Arrived</source>
        <translation>Zugänge</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Abgänge</translation>
    </message>
    <message>
        <source>New on waivers</source>
        <translation>Neu auf der Waiver-Liste</translation>
    </message>
    <message>
        <source>Ready for the next game</source>
        <translation>Bereit für das nächste Spiel</translation>
    </message>
    <message>
        <source>known from the next game day on</source>
        <translation>ab dem nächsten Spieltag bekannt</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>keine Änderung</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>niemand</translation>
    </message>
    <message>
        <source>yes, ready for the league</source>
        <translation>ja, bereit für die Liga</translation>
    </message>
    <message>
        <source>On waivers</source>
        <translation>Auf der Waiver-Liste</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>left %1</source>
        <translation>hat %1 verlassen</translation>
    </message>
    <message>
        <source>on waivers</source>
        <translation>auf der Waiver-Liste</translation>
    </message>
    <message>
        <source>Briefing</source>
        <translation>Lagebericht</translation>
    </message>
    <message>
        <source>Show at start</source>
        <translation>Beim Start zeigen</translation>
    </message>
    <message>
        <source>Season so far…</source>
        <translation>Die Saison bisher…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>GameDayBriefingForm</name>
    <message>
        <source>Open the briefing by itself when a load finds a new game day.</source>
        <translation>Den Lagebericht von selbst öffnen, wenn das Laden einen neuen Spieltag findet.</translation>
    </message>
    <message>
        <source>The team&apos;s run, each player&apos;s form, absences and the waiver wire.</source>
        <translation>Der Lauf der Mannschaft, die Form jedes Spielers, Ausfälle und die Waiver-Liste.</translation>
    </message>
    <message>
        <source>Enter or a double click opens what the entry leads to.</source>
        <translation>Eingabetaste oder Doppelklick öffnet, wohin der Eintrag führt.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Korvel Help</source>
        <translation>Korvel-Hilfe</translation>
    </message>
    <message>
        <source>The manual is not installed: Korvel looked for %1 in the data folders of the system and beside the program.</source>
        <translation>Das Handbuch ist nicht installiert: Korvel hat %1 in den Datenordnern des Systems und neben dem Programm gesucht.</translation>
    </message>
</context>
<context>
    <name>Import Lines</name>
    <message>
        <source>%1 holds the lines of team number %2, which this league does not have.</source>
        <translation>%1 enthält die Reihen der Mannschaft Nummer %2, die es in dieser Liga nicht gibt.</translation>
    </message>
    <message>
        <source>%1 holds the lines of %2, saved with another password than the team&apos;s lines password.</source>
        <translation>%1 enthält die Reihen von %2, gespeichert mit einem anderen Passwort als dem Reihen-Passwort der Mannschaft.</translation>
    </message>
    <message>
        <source>%1 holds the lines of %2, not of %3.</source>
        <translation>%1 enthält die Reihen von %2, nicht von %3.</translation>
    </message>
</context>
<context>
    <name>League</name>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n Spieler</numerusform>
            <numerusform>%n Spieler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n player(s) too many</source>
        <translation>
            <numerusform>%n Spieler zu viel</numerusform>
            <numerusform>%n Spieler zu viel</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2 too many</source>
        <translation>%1 %2 zu viel</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>row %1 column %2</source>
        <translation>Zeile %1 Spalte %2</translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation>%1 enthält %2</translation>
    </message>
    <message>
        <source>%1 names %2</source>
        <translation>%1 nennt %2</translation>
    </message>
    <message>
        <source>An entry names no player of the team (%1).</source>
        <translation>Ein Eintrag nennt keinen Spieler der Mannschaft (%1).</translation>
    </message>
    <message>
        <source>The lines are not complete (%1 is empty).</source>
        <translation>Die Reihen sind nicht vollständig (%1 ist leer).</translation>
    </message>
    <message>
        <source>An injured player stands dressed and healthy in the file (%1): the import would call the lines not valid.</source>
        <translation>Ein verletzter Spieler steht in der Datei als aufgestellt und gesund (%1): Der Import würde die Reihen für ungültig erklären.</translation>
    </message>
    <message numerus="yes">
        <source>%n players are dressed; a game roster has %1.</source>
        <translation>
            <numerusform>%n Spieler ist aufgestellt; ein Spieltagskader hat %1.</numerusform>
            <numerusform>%n Spieler sind aufgestellt; ein Spieltagskader hat %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The password is not the lines password of %1.</source>
        <translation>Das Passwort ist nicht das Reihen-Passwort von %1.</translation>
    </message>
    <message>
        <source>A player in the lines is not dressed in the file (%1).</source>
        <translation>Ein Spieler in den Reihen ist in der Datei nicht aufgestellt (%1).</translation>
    </message>
    <message>
        <source>The file holds %1 bytes; a lines file holds %2.</source>
        <translation>Die Datei enthält %1 Bytes; eine Reihendatei enthält %2.</translation>
    </message>
    <message>
        <source>Team %1 is not in the league (teams 0 to %2).</source>
        <translation>Mannschaft %1 gehört nicht zur Liga (Mannschaften 0 bis %2).</translation>
    </message>
    <message>
        <source>%1: too short for a %2 (%3 bytes, one record is %4)</source>
        <translation>%1: zu kurz für einen %2 (%3 Bytes, ein Datensatz hat %4)</translation>
    </message>
    <message>
        <source>league record</source>
        <translation>Liga-Datensatz</translation>
    </message>
    <message>
        <source>%1: names %2 teams; a league holds at most %3</source>
        <translation>%1: nennt %2 Mannschaften; eine Liga hat höchstens %3</translation>
    </message>
    <message>
        <source>%1: too short for the %2 teams of the league (%3 bytes, one team record is %4)</source>
        <translation>%1: zu kurz für die %2 Mannschaften der Liga (%3 Bytes, ein Mannschaftsdatensatz hat %4)</translation>
    </message>
    <message>
        <source>%1: shorter than the league needs (%2 bytes of %3): the players of %4 team are missing, and it loads with empty places.</source>
        <translation>%1: kürzer, als die Liga braucht (%2 von %3 Bytes): Die Spieler von %4 Mannschaft fehlen, sie wird mit leeren Plätzen geladen.</translation>
    </message>
    <message>
        <source>%1: shorter than the league needs (%2 bytes of %3): the players of %4 teams are missing, and they load with empty places.</source>
        <translation>%1: kürzer, als die Liga braucht (%2 von %3 Bytes): Die Spieler von %4 Mannschaften fehlen, sie werden mit leeren Plätzen geladen.</translation>
    </message>
    <message>
        <source>The start folder %1 must be writable: Korvel keeps its working copies of the league there.

%2</source>
        <translation>Der Startordner %1 muss beschreibbar sein: Korvel hält dort seine Arbeitskopien der Liga.

%2</translation>
    </message>
    <message>
        <source>The league %1 could not be loaded.

%2</source>
        <translation>Die Liga %1 konnte nicht geladen werden.

%2</translation>
    </message>
    <message>
        <source>The game days of this league could not be read: %1</source>
        <translation>Die Spieltage dieser Liga konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>This game day could not be kept for the next briefing: %1</source>
        <translation>Dieser Spieltag konnte nicht für den nächsten Lagebericht behalten werden: %1</translation>
    </message>
    <message>
        <source>The game-day history %1 %2. It was set aside as %3, and the briefing starts afresh.</source>
        <translation>Die Spieltagsgeschichte %1 %2. Sie wurde als %3 beiseitegelegt, und der Lagebericht beginnt neu.</translation>
    </message>
    <message>
        <source>The game-day history %1 %2 and could not be set aside (%3); the briefing starts afresh and the file is left as it is.</source>
        <translation>Die Spieltagsgeschichte %1 %2 und konnte nicht beiseitegelegt werden (%3); der Lagebericht beginnt neu, die Datei bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>The game-day history %1 %2.</source>
        <translation>Die Spieltagsgeschichte %1 %2.</translation>
    </message>
</context>
<context>
    <name>Lines</name>
    <message>
        <source>Lines for %1</source>
        <translation>Reihen von %1</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Even Strength Lines</source>
        <translation>Reihen bei voller Stärke</translation>
    </message>
    <message>
        <source>Power Play Lines</source>
        <translation>Überzahlformationen</translation>
    </message>
    <message>
        <source>Penalty Kill Lines</source>
        <translation>Unterzahlformationen</translation>
    </message>
    <message>
        <source>Password?</source>
        <translation>Passwort?</translation>
    </message>
    <message>
        <source>Save Lines</source>
        <translation>Reihen speichern</translation>
    </message>
    <message>
        <source>Import Lines</source>
        <translation>Reihen importieren</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Lines Files</source>
        <translation>Reihendateien</translation>
    </message>
    <message>
        <source>Edit Lines</source>
        <translation>Reihen bearbeiten</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Torhüter</translation>
    </message>
    <message>
        <source>Extra Skaters</source>
        <translation>Ersatzspieler</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>5 gg. 5</translation>
    </message>
    <message>
        <source>PP</source>
        <translation>ÜZ</translation>
    </message>
    <message>
        <source>PK</source>
        <translation>UZ</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Load Lines</source>
        <translation>Reihen laden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
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
        <translation>Eingabe oder Leertaste: den in der Liste gewählten Spieler hierher setzen
Entf: den Platz leeren
Pfeile: zum nächsten Platz; Alt+Pfeil: mit ihm tauschen
X: den Platz markieren, dann X auf einem anderen Platz tauscht beide
F6: zur Liste und zurück
Auf einen anderen Platz ziehen, um beide zu tauschen</translation>
    </message>
    <message>
        <source>Click to redraw the lines</source>
        <translation>Klicken, um die Reihen neu zu zeichnen</translation>
    </message>
    <message>
        <source>F6: to the slots and back</source>
        <translation>F6: zu den Plätzen und zurück</translation>
    </message>
    <message>
        <source>Roster order</source>
        <translation>Kaderreihenfolge</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Offence</source>
        <translation>Offensive</translation>
    </message>
    <message>
        <source>Defence</source>
        <translation>Defensive</translation>
    </message>
    <message>
        <source>The order of the players (Alt+B); a click on a column header does the same</source>
        <translation>Die Reihenfolge der Spieler (Alt+B); ein Klick auf einen Spaltenkopf tut dasselbe</translation>
    </message>
    <message>
        <source>Pick a player, then press Enter on a slot (F6 goes there), click it or drag him onto it.</source>
        <translation>Wählen Sie einen Spieler, dann Eingabe auf einem Platz (F6 führt dorthin), klicken Sie ihn an oder ziehen Sie den Spieler darauf.</translation>
    </message>
    <message>
        <source>Show or hide this position in the list</source>
        <translation>Diese Position in der Liste zeigen oder ausblenden</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>Sortieren &amp;nach:</translation>
    </message>
    <message>
        <source>Even strength lines</source>
        <translation>Reihen bei voller Stärke</translation>
    </message>
    <message>
        <source>Power play lines</source>
        <translation>Überzahlformationen</translation>
    </message>
    <message>
        <source>Penalty kill lines</source>
        <translation>Unterzahlformationen</translation>
    </message>
    <message>
        <source>Set all lines automatically</source>
        <translation>Alle Reihen automatisch aufstellen</translation>
    </message>
    <message>
        <source>Import a lines file</source>
        <translation>Eine Reihendatei importieren</translation>
    </message>
    <message>
        <source>Save the lines file for the league</source>
        <translation>Die Reihendatei für die Liga speichern</translation>
    </message>
    <message>
        <source>Keep or drop the changes and close</source>
        <translation>Änderungen behalten oder verwerfen und schließen</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Load League</source>
        <translation>Liga laden</translation>
    </message>
    <message>
        <source>View Team</source>
        <translation>Mannschaft ansehen</translation>
    </message>
    <message>
        <source>Set Game Roster</source>
        <translation>Spieltagskader aufstellen</translation>
    </message>
    <message>
        <source>Set Lines</source>
        <translation>Reihen aufstellen</translation>
    </message>
    <message>
        <source>Briefing</source>
        <translation>Lagebericht</translation>
    </message>
    <message>
        <source>League Name</source>
        <translation>Name der Liga</translation>
    </message>
    <message>
        <source>Conference 1</source>
        <translation>Conference 1</translation>
    </message>
    <message>
        <source>Conference 2</source>
        <translation>Conference 2</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Manager</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>The league&apos;s files changed on disk since they were loaded.</source>
        <translation>Die Dateien der Liga wurden seit dem Laden auf der Festplatte geändert.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
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
        <translation>Diese Liga laden, wie Laden es tut</translation>
    </message>
    <message>
        <source>Loads the league again from its files, as File &gt; Load does (F5).</source>
        <translation>Lädt die Liga erneut aus ihren Dateien, wie Datei &gt; Laden (F5).</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Korvel &amp;Help</source>
        <translation>Korvel-&amp;Hilfe</translation>
    </message>
    <message>
        <source>Open a league with File &gt; Load</source>
        <translation>Öffnen Sie eine Liga mit Datei &gt; Laden</translation>
    </message>
    <message>
        <source>No team in the divisions shown</source>
        <translation>Keine Mannschaft in den gezeigten Divisionen</translation>
    </message>
    <message>
        <source>Select a team</source>
        <translation>Wählen Sie eine Mannschaft</translation>
    </message>
    <message>
        <source>Current team: %1</source>
        <translation>Aktuelle Mannschaft: %1</translation>
    </message>
    <message>
        <source>%1 will load when the open window closes.</source>
        <translation>%1 wird geladen, wenn das offene Fenster geschlossen wird.</translation>
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
        <translation>NR</translation>
    </message>
    <message>
        <source>HD</source>
        <translation>SCHUSS</translation>
    </message>
    <message>
        <source>HGT</source>
        <translation>GRÖSSE</translation>
    </message>
    <message>
        <source>WGT</source>
        <translation>GEWICHT</translation>
    </message>
    <message>
        <source>AGE</source>
        <translation>ALTER</translation>
    </message>
    <message>
        <source>STS</source>
        <translation>STATUS</translation>
    </message>
    <message>
        <source>CON</source>
        <translation>VERTRAG</translation>
    </message>
    <message>
        <source>Birthplace</source>
        <translation>Geburtsort</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Vertrag</translation>
    </message>
    <message>
        <source>Salary $</source>
        <translation>Gehalt $</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>Endurance</source>
        <translation>Ausdauer</translation>
    </message>
    <message>
        <source>Durability</source>
        <translation>Robustheit</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Disziplin</translation>
    </message>
    <message>
        <source>Skating</source>
        <translation>Eislauf</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Passspiel</translation>
    </message>
    <message>
        <source>Stickhandle</source>
        <translation>Stockführung</translation>
    </message>
    <message>
        <source>Defence</source>
        <translation>Defensive</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Torabschluss</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Erfahrung</translation>
    </message>
    <message>
        <source>Leadership</source>
        <translation>Führung</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>GP</source>
        <translation>Sp</translation>
    </message>
    <message>
        <source>PIM</source>
        <translation>SM</translation>
    </message>
    <message>
        <source>GAA</source>
        <translation>GTS</translation>
    </message>
    <message>
        <source>PPG</source>
        <translation>ÜZT</translation>
    </message>
    <message>
        <source>SHG</source>
        <translation>UZT</translation>
    </message>
    <message>
        <source>GW</source>
        <translation>ST</translation>
    </message>
    <message>
        <source>GT</source>
        <translation>AT</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Schüsse</translation>
    </message>
    <message>
        <source>Sh%</source>
        <translation>Sch%</translation>
    </message>
    <message>
        <source>Sv%</source>
        <translation>Fq%</translation>
    </message>
    <message>
        <source>Injured %1</source>
        <translation>Verletzt %1</translation>
    </message>
    <message numerus="yes">
        <source>Suspended %n games</source>
        <translation>
            <numerusform>Gesperrt für %n Spiel</numerusform>
            <numerusform>Gesperrt für %n Spiele</numerusform>
        </translation>
    </message>
    <message>
        <source>Healthy</source>
        <translation>Gesund</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>Rookie</source>
        <translation>Rookie</translation>
    </message>
    <message>
        <source>Veteran</source>
        <translation>Veteran</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>K. A.</translation>
    </message>
    <message>
        <source>%1 ft %2</source>
        <translation>%1 ft %2</translation>
    </message>
    <message>
        <source>%1 cm</source>
        <translation>%1 cm</translation>
    </message>
    <message>
        <source>Player Info</source>
        <translation>Spielerinfo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
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
        <translation>FÄHIGKEITEN</translation>
    </message>
    <message>
        <source>SEASON STATISTICS</source>
        <translation>SAISONSTATISTIK</translation>
    </message>
    <message>
        <source>Click, or press Space, to switch between feet and centimetres</source>
        <translation>Klicken oder Leertaste drücken, um zwischen Fuß und Zentimetern zu wechseln</translation>
    </message>
</context>
<context>
    <name>QtUi</name>
    <message>
        <source>Open &amp;Folder</source>
        <translation>&amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>The folder %1 could not be opened: the desktop has no program that shows folders, or it refused.</source>
        <translation>Der Ordner %1 konnte nicht geöffnet werden: Die Arbeitsumgebung hat kein Programm, das Ordner anzeigt, oder es hat abgelehnt.</translation>
    </message>
</context>
<context>
    <name>RatedPlayerTable</name>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>OV</source>
        <translation>GES</translation>
    </message>
    <message>
        <source>OF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>DF</source>
        <translation>DEF</translation>
    </message>
    <message>
        <source>The player as listed; the mark tells how often he stands in the lines shown</source>
        <translation>Der Spieler wie gelistet; die Markierung sagt, wie oft er in den gezeigten Reihen steht</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Overall rating</source>
        <translation>Gesamtwertung</translation>
    </message>
    <message>
        <source>Offence rating</source>
        <translation>Offensivwertung</translation>
    </message>
    <message>
        <source>Defence rating</source>
        <translation>Defensivwertung</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Fehlt</translation>
    </message>
    <message>
        <source>The player as listed; * marks a protected player or a rookie in the protection view</source>
        <translation>Der Spieler wie gelistet; * markiert in der Schutzansicht einen geschützten Spieler oder einen Rookie</translation>
    </message>
    <message>
        <source>Injury code and games suspended</source>
        <translation>Verletzungscode und Spielsperren</translation>
    </message>
    <message>
        <source>Injury code and games suspended: out of the next game</source>
        <translation>Verletzungscode und Spielsperren: fehlt im nächsten Spiel</translation>
    </message>
</context>
<context>
    <name>Readiness</name>
    <message>
        <source>Ready for the league</source>
        <translation>Bereit für die Liga</translation>
    </message>
    <message>
        <source>Not ready for the league: %1</source>
        <translation>Nicht bereit für die Liga: %1</translation>
    </message>
    <message numerus="yes">
        <source>Not ready for the league (%n problems): %1</source>
        <translation>
            <numerusform>Nicht bereit für die Liga (%n Problem): %1</numerusform>
            <numerusform>Nicht bereit für die Liga (%n Probleme): %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 is hurt (%2) and dressed</source>
        <translation>%1 ist verletzt (%2) und aufgestellt</translation>
    </message>
    <message numerus="yes">
        <source>%1 is suspended (%n game(s)) and dressed</source>
        <translation>
            <numerusform>%1 ist gesperrt (%n Spiel) und aufgestellt</numerusform>
            <numerusform>%1 ist gesperrt (%n Spiele) und aufgestellt</numerusform>
        </translation>
    </message>
    <message>
        <source>The game roster needs %1 more %2</source>
        <translation>Dem Spieltagskader fehlen noch %1 %2</translation>
    </message>
    <message>
        <source>The game roster has %1 %2; it takes %3</source>
        <translation>Der Spieltagskader hat %1 %2; nötig sind %3</translation>
    </message>
    <message numerus="yes">
        <source>%n dressed player(s) can play; a game roster has %1</source>
        <translation>
            <numerusform>%n aufgestellter Spieler kann spielen; ein Spieltagskader hat %1</numerusform>
            <numerusform>%n aufgestellte Spieler können spielen; ein Spieltagskader hat %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>%1 names no player of the team</source>
        <translation>%1 nennt keinen Spieler der Mannschaft</translation>
    </message>
    <message>
        <source>%1: %2 is not dressed</source>
        <translation>%1: %2 ist nicht aufgestellt</translation>
    </message>
    <message>
        <source>Injury %1</source>
        <translation>Verletzung %1</translation>
    </message>
    <message>
        <source>Susp %1</source>
        <translation>Sperre %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The password is not the lines password of %1.</source>
        <translation>Das Passwort ist nicht das Reihen-Passwort von %1.</translation>
    </message>
</context>
<context>
    <name>ReadinessLabel</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>Roster of the %1</source>
        <translation>Kader: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n Total Players</source>
        <translation>
            <numerusform>%n Spieler insgesamt</numerusform>
            <numerusform>%n Spieler insgesamt</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Missing: %1</source>
        <translation>Es fehlen: %1</translation>
    </message>
    <message>
        <source>Set Game Roster</source>
        <translation>Spieltagskader aufstellen</translation>
    </message>
    <message>
        <source>Roster Complete</source>
        <translation>Kader vollständig</translation>
    </message>
    <message>
        <source>Game Roster</source>
        <translation>Spieltagskader</translation>
    </message>
    <message>
        <source>Scratches</source>
        <translation>Überzählige</translation>
    </message>
    <message>
        <source>Farm Roster</source>
        <translation>Farmteam</translation>
    </message>
    <message>
        <source>Scratch</source>
        <translation>Streichen</translation>
    </message>
    <message>
        <source>Dress</source>
        <translation>Aufstellen</translation>
    </message>
    <message>
        <source>To Farm</source>
        <translation>Ins Farmteam</translation>
    </message>
    <message>
        <source>To Pros</source>
        <translation>Zu den Profis</translation>
    </message>
    <message>
        <source>0 Total Players</source>
        <translation>0 Spieler insgesamt</translation>
    </message>
    <message>
        <source>Protect</source>
        <translation>Schützen</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Add Player</source>
        <translation>Spieler hinzufügen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message numerus="yes">
        <source>%n players</source>
        <translation>
            <numerusform>%n Spieler</numerusform>
            <numerusform>%n Spieler</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <translation>%1 verschieben nach %2</translation>
    </message>
    <message>
        <source>Add player to %1</source>
        <translation>Spieler zu %1 hinzufügen</translation>
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
        <translation>Die gewählten aufgestellten Spieler streichen</translation>
    </message>
    <message>
        <source>Dress the selected scratches</source>
        <translation>Die gewählten Überzähligen aufstellen</translation>
    </message>
    <message>
        <source>Send the selected scratches to the farm club</source>
        <translation>Die gewählten Überzähligen ins Farmteam schicken</translation>
    </message>
    <message>
        <source>Call the selected farm players up</source>
        <translation>Die gewählten Farmteam-Spieler hochziehen</translation>
    </message>
    <message>
        <source>Show or hide this position in the lists</source>
        <translation>Diese Position in den Listen zeigen oder ausblenden</translation>
    </message>
    <message>
        <source>Protection view: * marks protected players and rookies; a double click or Enter on a player protects him or lifts his protection</source>
        <translation>Schutzansicht: * markiert geschützte Spieler und Rookies; ein Doppelklick oder Eingabe auf einem Spieler schützt ihn oder hebt seinen Schutz auf</translation>
    </message>
    <message>
        <source>Dress 20 players automatically %1</source>
        <translation>20 Spieler automatisch aufstellen %1</translation>
    </message>
    <message>
        <source>Add a new player to the farm club %1</source>
        <translation>Einen neuen Spieler ins Farmteam aufnehmen %1</translation>
    </message>
    <message>
        <source>Keep or drop the changes and close %1</source>
        <translation>Änderungen behalten oder verwerfen und schließen %1</translation>
    </message>
    <message>
        <source>Dressed players at this position against the game-roster rule</source>
        <translation>Aufgestellte Spieler dieser Position gegenüber der Kaderregel</translation>
    </message>
    <message>
        <source>Dressed players in all against the game-roster rule</source>
        <translation>Aufgestellte Spieler insgesamt gegenüber der Kaderregel</translation>
    </message>
</context>
<context>
    <name>RosterTable</name>
    <message>
        <source>Roster order</source>
        <translation>Kaderreihenfolge</translation>
    </message>
</context>
<context>
    <name>Save Lines</name>
    <message>
        <source>The lines were not saved: the lines files of %1 and %2 would be one file, %3, on a disk that ignores case (as Windows does). Rename one of the teams.</source>
        <translation>Die Reihen wurden nicht gespeichert: Die Reihendateien von %1 und %2 wären eine einzige Datei, %3, auf einem Datenträger, der Groß- und Kleinschreibung nicht unterscheidet (wie Windows). Benennen Sie eine der Mannschaften um.</translation>
    </message>
</context>
<context>
    <name>Season</name>
    <message>
        <source>one game day kept: the season view starts here</source>
        <translation>ein Spieltag behalten: die Saisonansicht beginnt hier</translation>
    </message>
    <message>
        <source>Points and goal difference by game day.</source>
        <translation>Punkte und Tordifferenz nach Spieltag.</translation>
    </message>
    <message>
        <source>Rank %1 in the division.</source>
        <translation>Platz %1 in der Division.</translation>
    </message>
    <message>
        <source>Skaters</source>
        <translation>Feldspieler</translation>
    </message>
    <message>
        <source>Goalies</source>
        <translation>Torhüter</translation>
    </message>
    <message>
        <source>Absences</source>
        <translation>Ausfälle</translation>
    </message>
    <message>
        <source>Waiver wire</source>
        <translation>Waiver-Liste</translation>
    </message>
    <message>
        <source>Enter or a double click opens the player&apos;s card.</source>
        <translation>Eingabetaste oder Doppelklick öffnet die Karte des Spielers.</translation>
    </message>
    <message>
        <source>&amp;Goalies</source>
        <translation>&amp;Torhüter</translation>
    </message>
    <message>
        <source>&amp;Absences</source>
        <translation>&amp;Ausfälle</translation>
    </message>
    <message>
        <source>&amp;Waiver wire (better than your weakest dressed)</source>
        <translation>&amp;Waiver-Liste (besser als Ihr schwächster aufgestellter Spieler)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>▲ hot: the most points of the span among those who played; ▼ cold: the fewest.</source>
        <translation>▲ heiß: die meisten Punkte des Zeitraums unter denen, die gespielt haben; ▼ kalt: die wenigsten.</translation>
    </message>
    <message>
        <source>Click a heading to sort; Enter or a double click opens the card.</source>
        <translation>Klick auf eine Überschrift sortiert; Eingabetaste oder Doppelklick öffnet die Karte.</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Heiß</translation>
    </message>
    <message>
        <source>Cold</source>
        <translation>Kalt</translation>
    </message>
    <message numerus="yes">
        <source>%1: the season so far, %n game day(s) kept</source>
        <translation>
            <numerusform>%1: die Saison bisher, %n Spieltag behalten</numerusform>
            <numerusform>%1: die Saison bisher, %n Spieltage behalten</numerusform>
        </translation>
    </message>
    <message>
        <source>Now %1-%2-%3, %4 PTS, goal difference %5, %6; %7 PTS since day %8</source>
        <translation>Jetzt %1-%2-%3, %4 Pkt, Tordifferenz %5, %6; %7 Pkt seit Tag %8</translation>
    </message>
    <message numerus="yes">
        <source>Form over the last %n game day(s)</source>
        <translation>
            <numerusform>Form über den letzten %n Spieltag</numerusform>
            <numerusform>Form über die letzten %n Spieltage</numerusform>
        </translation>
    </message>
    <message>
        <source>hurt (%1)</source>
        <translation>verletzt (%1)</translation>
    </message>
    <message numerus="yes">
        <source>suspended %n game(s)</source>
        <translation>
            <numerusform>für %n Spiel gesperrt</numerusform>
            <numerusform>für %n Spiele gesperrt</numerusform>
        </translation>
    </message>
    <message>
        <source>days %1 to %2</source>
        <translation>Tage %1 bis %2</translation>
    </message>
    <message>
        <source>since day %1, still out</source>
        <translation>seit Tag %1, fällt weiter aus</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Niemand</translation>
    </message>
    <message>
        <source>%1 (%2) OV %3, OF %4, DF %5</source>
        <translation>%1 (%2) GES %3, OFF %4, DEF %5</translation>
    </message>
    <message>
        <source>%1: better than %2 (OV %3)</source>
        <translation>%1: besser als %2 (GES %3)</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Saison</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>SlotEditing</name>
    <message>
        <source>Clear Slot</source>
        <translation>Platz leeren</translation>
    </message>
</context>
<context>
    <name>SlotLabel</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Out of the next game: %1</source>
        <translation>Fehlt im nächsten Spiel: %1</translation>
    </message>
</context>
<context>
    <name>Standings</name>
    <message>
        <source>Unlisted: %1</source>
        <translation>Nicht eingeordnet: %1</translation>
    </message>
    <message>
        <source>Conference %1</source>
        <translation>Conference %1</translation>
    </message>
    <message>
        <source>Division %1</source>
        <translation>Division %1</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>StandingsForm</name>
    <message>
        <source>Rank</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Place in the division: points, then wins, then goal difference.</source>
        <translation>Platz in der Division: Punkte, dann Siege, dann Tordifferenz.</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Mannschaft</translation>
    </message>
    <message>
        <source>Double click or Enter makes the team current.</source>
        <translation>Doppelklick oder Eingabe macht die Mannschaft zur aktuellen.</translation>
    </message>
    <message>
        <source>GP</source>
        <translation>Sp</translation>
    </message>
    <message>
        <source>Games played: W + L + T.</source>
        <translation>Spiele: S + N + U.</translation>
    </message>
    <message>
        <source>W</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Wins.</source>
        <translation>Siege.</translation>
    </message>
    <message>
        <source>L</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Losses.</source>
        <translation>Niederlagen.</translation>
    </message>
    <message>
        <source>T</source>
        <translation>U</translation>
    </message>
    <message>
        <source>Ties.</source>
        <translation>Unentschieden.</translation>
    </message>
    <message>
        <source>PTS</source>
        <translation>Pkt</translation>
    </message>
    <message>
        <source>Points: 2 for a win, 1 for a tie.</source>
        <translation>Punkte: 2 für einen Sieg, 1 für ein Unentschieden.</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>T+</translation>
    </message>
    <message>
        <source>Goals for.</source>
        <translation>Erzielte Tore.</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>T-</translation>
    </message>
    <message>
        <source>Goals against.</source>
        <translation>Gegentore.</translation>
    </message>
    <message>
        <source>DIFF</source>
        <translation>DIFF</translation>
    </message>
    <message>
        <source>Goal difference: GF - GA.</source>
        <translation>Tordifferenz: T+ - T-.</translation>
    </message>
    <message>
        <source>Teams whose conference or division the league does not have.</source>
        <translation>Mannschaften, deren Conference oder Division die Liga nicht hat.</translation>
    </message>
</context>
<context>
    <name>StrengthChart</name>
    <message>
        <source>Mean overall rating of the best players of each position that a game roster asks for (3 C, 3 LW, 3 RW, 6 D, 1 G). Solid bar and first number: the dressed players. Pale bar and second number: the whole pro roster.</source>
        <translation>Mittlere Gesamtwertung der besten Spieler jeder Position, die ein Spieltagskader verlangt (3 C, 3 LF, 3 RF, 6 D, 1 G). Voller Balken und erste Zahl: die aufgestellten Spieler. Blasser Balken und zweite Zahl: der ganze Profikader.</translation>
    </message>
    <message>
        <source> (%1 of %2)</source>
        <translation> (%1 von %2)</translation>
    </message>
    <message>
        <source>dressed | pro roster</source>
        <translation>aufgestellt | Profikader</translation>
    </message>
</context>
<context>
    <name>TeamSession</name>
    <message>
        <source>Not enough players</source>
        <translation>Nicht genug Spieler</translation>
    </message>
    <message>
        <source>Auto Roster</source>
        <translation>Kader automatisch</translation>
    </message>
    <message>
        <source>Auto roster</source>
        <translation>Kader automatisch</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 leeren</translation>
    </message>
    <message>
        <source>Swap %1 and %2</source>
        <translation>%1 und %2 tauschen</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>Reihe 1</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Reihe 2</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>Reihe 3</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>Reihe 4</translation>
    </message>
    <message>
        <source>PP Line 1 (5 on 4)</source>
        <translation>ÜZ 1 (5 gg. 4)</translation>
    </message>
    <message>
        <source>PP Line 2 (5 on 4)</source>
        <translation>ÜZ 2 (5 gg. 4)</translation>
    </message>
    <message>
        <source>PP Line 1 (4 on 3)</source>
        <translation>ÜZ 1 (4 gg. 3)</translation>
    </message>
    <message>
        <source>PP Line 2 (4 on 3)</source>
        <translation>ÜZ 2 (4 gg. 3)</translation>
    </message>
    <message>
        <source>PK Line 1 (4 on 5)</source>
        <translation>UZ 1 (4 gg. 5)</translation>
    </message>
    <message>
        <source>PK Line 2 (4 on 5)</source>
        <translation>UZ 2 (4 gg. 5)</translation>
    </message>
    <message>
        <source>PK Line 1 (3 on 5)</source>
        <translation>UZ 1 (3 gg. 5)</translation>
    </message>
    <message>
        <source>PK Line 2 (3 on 5)</source>
        <translation>UZ 2 (3 gg. 5)</translation>
    </message>
    <message>
        <source>Goalie / Extra Skaters</source>
        <translation>Torhüter / Ersatzspieler</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Torhüter</translation>
    </message>
    <message>
        <source>Extra Skater %1</source>
        <translation>Ersatzspieler %1</translation>
    </message>
    <message>
        <source>Goalie row spare</source>
        <translation>Reserve der Torhüterzeile</translation>
    </message>
    <message>
        <source>%1 spare</source>
        <translation>%1 Reserve</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Save Lines</source>
        <translation>Reihen speichern</translation>
    </message>
    <message>
        <source>Import Lines</source>
        <translation>Reihen importieren</translation>
    </message>
    <message>
        <source>The password cannot hold &quot;%1&quot;: a lines file keeps only characters of the Windows-1252 set.</source>
        <translation>Das Passwort darf „%1“ nicht enthalten: Eine Reihendatei behält nur Zeichen des Windows-1252-Zeichensatzes.</translation>
    </message>
    <message>
        <source>The password does not match the lines password of %1. Save anyway?</source>
        <translation>Das Passwort stimmt nicht mit dem Reihen-Passwort von %1 überein. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>The lines were not saved.
%1</source>
        <translation>Die Reihen wurden nicht gespeichert.
%1</translation>
    </message>
    <message>
        <source>Lines saved as %1</source>
        <translation>Reihen gespeichert als %1</translation>
    </message>
    <message>
        <source>Lines Saved</source>
        <translation>Reihen gespeichert</translation>
    </message>
    <message>
        <source>Errors in File</source>
        <translation>Fehler in der Datei</translation>
    </message>
    <message>
        <source>Invalid File</source>
        <translation>Ungültige Datei</translation>
    </message>
    <message>
        <source>Password Incorrect</source>
        <translation>Falsches Passwort</translation>
    </message>
    <message>
        <source>Load Lines</source>
        <translation>Reihen laden</translation>
    </message>
    <message>
        <source>%1 lines are not valid</source>
        <translation>Die Reihen von %1 sind ungültig</translation>
    </message>
    <message>
        <source>Invalid Lines</source>
        <translation>Ungültige Reihen</translation>
    </message>
    <message>
        <source>Scratch %1</source>
        <translation>%1 streichen</translation>
    </message>
    <message>
        <source>%1 is unavailable</source>
        <translation>%1 ist nicht verfügbar</translation>
    </message>
    <message>
        <source>Dress %1</source>
        <translation>%1 aufstellen</translation>
    </message>
    <message>
        <source>%1 cannot be sent to farm</source>
        <translation>%1 kann nicht ins Farmteam geschickt werden</translation>
    </message>
    <message>
        <source>Send %1 to farm</source>
        <translation>%1 ins Farmteam schicken</translation>
    </message>
    <message>
        <source>Call up %1</source>
        <translation>%1 hochziehen</translation>
    </message>
    <message>
        <source>Unprotect %1</source>
        <translation>Schutz von %1 aufheben</translation>
    </message>
    <message>
        <source>Protect %1</source>
        <translation>%1 schützen</translation>
    </message>
    <message>
        <source>The lines files of %1 and %2 would both be %3; rename one of the teams.</source>
        <translation>Die Reihendateien von %1 und %2 wären beide %3; benennen Sie eine der Mannschaften um.</translation>
    </message>
    <message>
        <source>Roster not complete</source>
        <translation>Kader nicht vollständig</translation>
    </message>
    <message>
        <source>Set roster first</source>
        <translation>Stellen Sie zuerst den Kader auf</translation>
    </message>
    <message>
        <source>Auto Lines</source>
        <translation>Reihen automatisch</translation>
    </message>
    <message>
        <source>Auto lines</source>
        <translation>Reihen automatisch</translation>
    </message>
    <message>
        <source>Put %1 in %2</source>
        <translation>%1 auf %2 setzen</translation>
    </message>
    <message>
        <source>Lines are not complete</source>
        <translation>Die Reihen sind nicht vollständig</translation>
    </message>
    <message>
        <source>Keep Roster Changes?</source>
        <translation>Kaderänderungen behalten?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Änderungen behalten</translation>
    </message>
    <message>
        <source>Keep Line Changes?</source>
        <translation>Reihenänderungen behalten?</translation>
    </message>
    <message>
        <source>Edit Roster</source>
        <translation>Kader bearbeiten</translation>
    </message>
    <message>
        <source>Edit Lines</source>
        <translation>Reihen bearbeiten</translation>
    </message>
    <message>
        <source>Changes were not saved</source>
        <translation>Die Änderungen wurden nicht gespeichert</translation>
    </message>
    <message>
        <source>Put %1 on waivers?</source>
        <translation>%1 auf die Waiver-Liste setzen?</translation>
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
        <translation>keine</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>korvel::FinanceChart</name>
    <message>
        <source>Finances</source>
        <translation>Finanzen</translation>
    </message>
    <message>
        <source>Now %1; revenue %2; expenses %3; balance %4</source>
        <translation>Jetzt %1; Einnahmen %2; Ausgaben %3; Saldo %4</translation>
    </message>
</context>
<context>
    <name>korvel::LinesForm</name>
    <message>
        <source>Dressed players</source>
        <translation>Aufgestellte Spieler</translation>
    </message>
    <message>
        <source>Pick a player, then press Enter on a slot; F6 goes to the slots and back</source>
        <translation>Wählen Sie einen Spieler, dann drücken Sie die Eingabetaste auf einem Platz; F6 wechselt zu den Plätzen und zurück</translation>
    </message>
</context>
<context>
    <name>korvel::MainForm</name>
    <message>
        <source>Divisions of %1</source>
        <translation>Divisionen von %1</translation>
    </message>
    <message>
        <source>Teams of %1</source>
        <translation>Mannschaften von %1</translation>
    </message>
</context>
<context>
    <name>korvel::RosterTable</name>
    <message>
        <source>available</source>
        <translation>verfügbar</translation>
    </message>
</context>
<context>
    <name>korvel::SkillBar</name>
    <message>
        <source>no rating</source>
        <translation>keine Wertung</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>korvel::StandingsForm</name>
    <message>
        <source>Standings</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Enter or a double click makes the team current</source>
        <translation>Eingabetaste oder Doppelklick macht die Mannschaft zur aktuellen</translation>
    </message>
    <message>
        <source>%1, current team</source>
        <translation>%1, aktuelle Mannschaft</translation>
    </message>
</context>
<context>
    <name>korvel::StrengthChart</name>
    <message>
        <source>Strength by position</source>
        <translation>Kraft nach Position</translation>
    </message>
    <message>
        <source>%1: dressed %2, pro roster %3</source>
        <translation>%1: aufgestellt %2, Profikader %3</translation>
    </message>
</context>
<context>
    <name>korvel::qt::SlotLabel</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, refused</source>
        <translation>%1, abgelehnt</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A second start in this folder cannot bring this window forward: %1</source>
        <translation>Ein zweiter Start in diesem Ordner kann dieses Fenster nicht in den Vordergrund holen: %1</translation>
    </message>
</context>
</TS>
