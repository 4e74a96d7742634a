<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>AboutBox</name>
    <message>
        <source>&lt;h3&gt;Korvel %1&lt;/h3&gt;&lt;p&gt;Prepares the game roster and the lines of an ice-hockey team for the league&apos;s next game.&lt;/p&gt;&lt;p&gt;Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later). Korvel comes with no warranty.&lt;/p&gt;&lt;p&gt;Built with:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Qt %2 (LGPL-3.0)&lt;/li&gt;&lt;li&gt;CLI11 (BSD-3-Clause), in korvel-cli and korvel-make-league&lt;/li&gt;&lt;li&gt;nlohmann/json (MIT), in korvel-cli&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Korvel %1&lt;/h3&gt;&lt;p&gt;Tar ut matchtruppen och kedjorna för ett ishockeylag inför ligans nästa match.&lt;/p&gt;&lt;p&gt;Licens: GNU General Public License, version 3 eller senare (GPL-3.0-or-later). Korvel levereras utan garantier.&lt;/p&gt;&lt;p&gt;Byggt med:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Qt %2 (LGPL-3.0)&lt;/li&gt;&lt;li&gt;CLI11 (BSD-3-Clause), i korvel-cli och korvel-make-league&lt;/li&gt;&lt;li&gt;nlohmann/json (MIT), i korvel-cli&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>About Korvel</source>
        <translation>Om Korvel</translation>
    </message>
</context>
<context>
    <name>AddPlayer</name>
    <message>
        <source>Intensity</source>
        <translation>Intensitet</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Fart</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Styrka</translation>
    </message>
    <message>
        <source>Endurance</source>
        <translation>Uthållighet</translation>
    </message>
    <message>
        <source>Durability</source>
        <translation>Tålighet</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Disciplin</translation>
    </message>
    <message>
        <source>Skating</source>
        <translation>Skridsko</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Passningar</translation>
    </message>
    <message>
        <source>Stickhandle</source>
        <translation>Klubbteknik</translation>
    </message>
    <message>
        <source>Defence</source>
        <translation>Försvar</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Målfarlighet</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Erfarenhet</translation>
    </message>
    <message>
        <source>Leadership</source>
        <translation>Ledarskap</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vänster</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Höger</translation>
    </message>
    <message>
        <source>Enter the player&apos;s name.</source>
        <translation>Skriv spelarens namn.</translation>
    </message>
    <message>
        <source>The roster of %1 is full: all 50 places are taken.</source>
        <translation>Truppen för %1 är full: alla 50 platser är upptagna.</translation>
    </message>
    <message>
        <source>Choose the player&apos;s position.</source>
        <translation>Välj spelarens position.</translation>
    </message>
    <message>
        <source>%1 must be from %2 to %3.</source>
        <translation>%1 måste vara från %2 till %3.</translation>
    </message>
    <message>
        <source>Add Player</source>
        <translation>Lägg till spelare</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Height (in)</source>
        <translation>Längd (tum)</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Vikt</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Ålder</translation>
    </message>
    <message>
        <source>Rookie</source>
        <translation>Rookie</translation>
    </message>
    <message>
        <source>Salary</source>
        <translation>Lön</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Kontrakt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>AddPlayerForm</name>
    <message>
        <source>Player</source>
        <translation>Spelare</translation>
    </message>
    <message>
        <source>First and last name</source>
        <translation>För- och efternamn</translation>
    </message>
    <message>
        <source> in</source>
        <translation> tum</translation>
    </message>
    <message>
        <source>Country of birth, three letters</source>
        <translation>Födelseland, tre bokstäver</translation>
    </message>
    <message>
        <source>Rookie</source>
        <translation>Rookie</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Namn</translation>
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
        <translation>&amp;Fattning</translation>
    </message>
    <message>
        <source>Hei&amp;ght</source>
        <translation>&amp;Längd</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>&amp;Vikt</translation>
    </message>
    <message>
        <source>&amp;Age</source>
        <translation>Å&amp;lder</translation>
    </message>
    <message>
        <source>&amp;Birthplace</source>
        <translation>&amp;Födelseort</translation>
    </message>
    <message>
        <source>&amp;Salary</source>
        <translation>L&amp;ön</translation>
    </message>
    <message>
        <source>&amp;Contract</source>
        <translation>&amp;Kontrakt</translation>
    </message>
    <message>
        <source>Skills (0 to 99)</source>
        <translation>Färdigheter (0 till 99)</translation>
    </message>
</context>
<context>
    <name>CandidateTable</name>
    <message>
        <source>Not in the lines shown</source>
        <translation>Inte med i kedjorna som visas</translation>
    </message>
    <message>
        <source>In one place of the lines shown</source>
        <translation>På en plats i kedjorna som visas</translation>
    </message>
    <message>
        <source>In several places of the lines shown</source>
        <translation>På flera platser i kedjorna som visas</translation>
    </message>
</context>
<context>
    <name>Commit</name>
    <message>
        <source>%1. A save that Korvel could not finish waits in %2 with every file it names, and is finished the next time Korvel starts in this folder; until then no league is loaded here</source>
        <translation>%1. En sparning som Korvel inte kunde slutföra väntar i %2 med alla filer den nämner, och slutförs nästa gång Korvel startar i den här mappen; fram till dess läses ingen liga in här</translation>
    </message>
</context>
<context>
    <name>DisplayTeam</name>
    <message>
        <source>Team Roster</source>
        <translation>Lagets trupp</translation>
    </message>
    <message>
        <source>Team Name</source>
        <translation>Lagets namn</translation>
    </message>
    <message>
        <source>CONF</source>
        <translation>KONF</translation>
    </message>
    <message>
        <source>DIV</source>
        <translation>DIV</translation>
    </message>
    <message>
        <source>ABBREV</source>
        <translation>FÖRK</translation>
    </message>
    <message>
        <source>OWNER</source>
        <translation>ÄGARE</translation>
    </message>
    <message>
        <source>EMAIL</source>
        <translation>E-POST</translation>
    </message>
    <message>
        <source>ICQ#</source>
        <translation>ICQ#</translation>
    </message>
    <message>
        <source>COACH</source>
        <translation>TRÄNARE</translation>
    </message>
    <message>
        <source>ARENA</source>
        <translation>ARENA</translation>
    </message>
    <message>
        <source>SEATS</source>
        <translation>PLATSER</translation>
    </message>
    <message>
        <source>TICKET $</source>
        <translation>BILJETT $</translation>
    </message>
    <message>
        <source>GP</source>
        <translation>M</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>GM</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>IM</translation>
    </message>
    <message>
        <source>PP%</source>
        <translation>PP%</translation>
    </message>
    <message>
        <source>PK%</source>
        <translation>BP%</translation>
    </message>
    <message>
        <source>SF/G</source>
        <translation>SF/M</translation>
    </message>
    <message>
        <source>SA/G</source>
        <translation>SM/M</translation>
    </message>
    <message>
        <source>PIM/G</source>
        <translation>UTV/M</translation>
    </message>
    <message>
        <source>Average Height</source>
        <translation>Medellängd</translation>
    </message>
    <message>
        <source>Average Weight</source>
        <translation>Medelvikt</translation>
    </message>
    <message>
        <source>Average Age</source>
        <translation>Medelålder</translation>
    </message>
    <message>
        <source>Pro Players</source>
        <translation>Proffsspelare</translation>
    </message>
    <message>
        <source>Farm Players</source>
        <translation>Farmarspelare</translation>
    </message>
    <message>
        <source>Projected Free Agents</source>
        <translation>Väntade free agents</translation>
    </message>
    <message>
        <source>Revenue/Game</source>
        <translation>Intäkter/match</translation>
    </message>
    <message>
        <source>Estimated Revenue</source>
        <translation>Beräknade intäkter</translation>
    </message>
    <message>
        <source>Expenses/Game</source>
        <translation>Kostnader/match</translation>
    </message>
    <message>
        <source>Projected Expenses</source>
        <translation>Väntade kostnader</translation>
    </message>
    <message>
        <source>Projected Balance</source>
        <translation>Väntat saldo</translation>
    </message>
    <message>
        <source>Current Finances</source>
        <translation>Aktuell ekonomi</translation>
    </message>
    <message>
        <source>Home Games Remaining</source>
        <translation>Återstående hemmamatcher</translation>
    </message>
    <message>
        <source>Games Remaining</source>
        <translation>Återstående matcher</translation>
    </message>
    <message>
        <source>Team Info</source>
        <translation>Laginfo</translation>
    </message>
</context>
<context>
    <name>DisplayTeamForm</name>
    <message>
        <source>The team&apos;s name as the league stores it.</source>
        <translation>Lagets namn så som ligan sparar det.</translation>
    </message>
    <message>
        <source>The conference the team plays in.</source>
        <translation>Konferensen som laget spelar i.</translation>
    </message>
    <message>
        <source>The team&apos;s division within its conference.</source>
        <translation>Lagets division inom konferensen.</translation>
    </message>
    <message>
        <source>The team&apos;s three-letter abbreviation.</source>
        <translation>Lagets förkortning på tre bokstäver.</translation>
    </message>
    <message>
        <source>The team&apos;s owner.</source>
        <translation>Lagets ägare.</translation>
    </message>
    <message>
        <source>The league files keep no e-mail address.</source>
        <translation>Ligans filer sparar ingen e-postadress.</translation>
    </message>
    <message>
        <source>The owner&apos;s ICQ number.</source>
        <translation>Ägarens ICQ-nummer.</translation>
    </message>
    <message>
        <source>The head coach. Half of his salary is a season expense.</source>
        <translation>Huvudtränaren. Halva hans lön är en säsongskostnad.</translation>
    </message>
    <message>
        <source>The team&apos;s home arena.</source>
        <translation>Lagets hemmaarena.</translation>
    </message>
    <message>
        <source>Seats in the arena.</source>
        <translation>Platser i arenan.</translation>
    </message>
    <message>
        <source>Price of one ticket, in dollars.</source>
        <translation>Priset för en biljett, i dollar.</translation>
    </message>
    <message>
        <source>Games played: wins + losses + ties.</source>
        <translation>Spelade matcher: vinster + förluster + oavgjorda.</translation>
    </message>
    <message>
        <source>Wins.</source>
        <translation>Vinster.</translation>
    </message>
    <message>
        <source>Losses.</source>
        <translation>Förluster.</translation>
    </message>
    <message>
        <source>Ties.</source>
        <translation>Oavgjorda.</translation>
    </message>
    <message>
        <source>Goals scored.</source>
        <translation>Gjorda mål.</translation>
    </message>
    <message>
        <source>Goals allowed.</source>
        <translation>Insläppta mål.</translation>
    </message>
    <message>
        <source>Power-play goals per 100 power plays, cut to one decimal. Empty until the team has had a power play.</source>
        <translation>Powerplaymål per 100 powerplay, avkortat till en decimal. Tomt tills laget har haft ett powerplay.</translation>
    </message>
    <message>
        <source>Per cent of times shorthanded without a goal against, cut to one decimal.</source>
        <translation>Andel boxplay utan insläppt mål i procent, avkortat till en decimal.</translation>
    </message>
    <message>
        <source>Shots on goal per game played.</source>
        <translation>Skott på mål per spelad match.</translation>
    </message>
    <message>
        <source>Shots against per game played.</source>
        <translation>Skott emot per spelad match.</translation>
    </message>
    <message>
        <source>Penalty minutes per game played.</source>
        <translation>Utvisningsminuter per spelad match.</translation>
    </message>
    <message>
        <source>Average height of the pro players, in the league&apos;s units.</source>
        <translation>Proffsspelarnas medellängd, i ligans enheter.</translation>
    </message>
    <message>
        <source>Average weight of the pro players, in the league&apos;s units.</source>
        <translation>Proffsspelarnas medelvikt, i ligans enheter.</translation>
    </message>
    <message>
        <source>Average age of the pro players.</source>
        <translation>Proffsspelarnas medelålder.</translation>
    </message>
    <message>
        <source>Players on the pro roster, dressed or scratched, injured or not.</source>
        <translation>Spelare i proffstruppen, uttagna eller petade, skadade eller inte.</translation>
    </message>
    <message>
        <source>Healthy players with the farm club.</source>
        <translation>Friska spelare i farmarlaget.</translation>
    </message>
    <message>
        <source>Not worked out: the league files do not say whose contracts end.</source>
        <translation>Inte beräknat: ligans filer säger inte vems kontrakt som löper ut.</translation>
    </message>
    <message>
        <source>Gate revenue of one home game.</source>
        <translation>Publikintäkter för en hemmamatch.</translation>
    </message>
    <message>
        <source>Revenue still to come: home games remaining x revenue per game. Nothing before the season starts.</source>
        <translation>Intäkter som återstår: återstående hemmamatcher x intäkter per match. Inget innan säsongen börjar.</translation>
    </message>
    <message>
        <source>Season expenses (pro salaries, a tenth of each healthy farm player&apos;s salary, half the coach&apos;s salary) spread over 84 games.</source>
        <translation>Säsongens kostnader (proffslöner, en tiondel av varje frisk farmarspelares lön, halva tränarlönen) fördelade på 84 matcher.</translation>
    </message>
    <message>
        <source>Expenses still to come: games remaining x expenses per game. Nothing before the season starts.</source>
        <translation>Kostnader som återstår: återstående matcher x kostnader per match. Inget innan säsongen börjar.</translation>
    </message>
    <message>
        <source>Current finances + estimated revenue - projected expenses, from the amounts shown. Red when the team ends the season in the red.</source>
        <translation>Aktuell ekonomi + beräknade intäkter - väntade kostnader, utifrån beloppen som visas. Rött när laget slutar säsongen med förlust.</translation>
    </message>
    <message>
        <source>The team&apos;s money now.</source>
        <translation>Lagets pengar just nu.</translation>
    </message>
    <message>
        <source>Half the season&apos;s games less the home games played.</source>
        <translation>Halva säsongens matcher minus spelade hemmamatcher.</translation>
    </message>
    <message>
        <source>The season&apos;s games per team less the games played. Negative when the team has played more games than the season has.</source>
        <translation>Säsongens matcher per lag minus spelade matcher. Negativt när laget har spelat fler matcher än säsongen har.</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Kostnader</translation>
    </message>
    <message>
        <source>Current finances, estimated revenue, projected expenses and projected balance, as shown above. Amounts below zero hang under the line.</source>
        <translation>Aktuell ekonomi, beräknade intäkter, väntade kostnader och väntat saldo, som ovan. Belopp under noll hänger under linjen.</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Revenue</source>
        <translation>Intäkter</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>FINANCES</source>
        <translation>EKONOMI</translation>
    </message>
    <message>
        <source>ROSTER</source>
        <translation>TRUPP</translation>
    </message>
    <message>
        <source>RECORD AND STATISTICS</source>
        <translation>FACIT OCH STATISTIK</translation>
    </message>
    <message>
        <source>Team &amp;Lines</source>
        <translation>Lagets &amp;kedjor</translation>
    </message>
    <message>
        <source>Team &amp;Roster</source>
        <translation>Lagets &amp;trupp</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>STRENGTH</source>
        <translation>STYRKA</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot be written (Input/output error)</source>
        <translation>kan inte skrivas (in-/utmatningsfel)</translation>
    </message>
    <message>
        <source>is not a whole Korvel commit journal; remove it to go on</source>
        <translation>är inte en hel sparjournal från Korvel; ta bort den för att fortsätta</translation>
    </message>
    <message>
        <source>cannot be replaced (%1)</source>
        <translation>kan inte ersättas (%1)</translation>
    </message>
    <message>
        <source>cannot be removed (%1)</source>
        <translation>kan inte tas bort (%1)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>was replaced but not flushed to disk (%1)</source>
        <translation>ersattes men skrevs inte ut till disken (%1)</translation>
    </message>
    <message>
        <source>cannot be flushed to disk (%1)</source>
        <translation>kan inte skrivas ut till disken (%1)</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>är en mapp, inte en fil</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>kan inte skrivas (%1)</translation>
    </message>
    <message>
        <source>cannot be written in place (%1)</source>
        <translation>kan inte skrivas på plats (%1)</translation>
    </message>
    <message>
        <source>The folder %1 is in use by another Korvel program. Close it, or start Korvel in another folder.</source>
        <translation>Mappen %1 används av ett annat Korvel-program. Stäng det, eller starta Korvel i en annan mapp.</translation>
    </message>
    <message>
        <source>%1; Korvel does not work in a start folder it cannot lock. Remove it, or start Korvel in another folder.</source>
        <translation>%1; Korvel arbetar inte i en startmapp som det inte kan låsa. Ta bort den, eller starta Korvel i en annan mapp.</translation>
    </message>
    <message>
        <source>is a symbolic link, not a file</source>
        <translation>är en symbolisk länk, inte en fil</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>kan inte öppnas (%1)</translation>
    </message>
    <message>
        <source>is not a normal file</source>
        <translation>är inte en vanlig fil</translation>
    </message>
    <message>
        <source>cannot be locked (%1)</source>
        <translation>kan inte låsas (%1)</translation>
    </message>
    <message>
        <source>is held by another Korvel program</source>
        <translation>hålls av ett annat Korvel-program</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>filen hittades inte</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kan inte läsas (%1)</translation>
    </message>
    <message>
        <source>is a pipe, not a file</source>
        <translation>är ett rör, inte en fil</translation>
    </message>
    <message>
        <source>is a device, not a file</source>
        <translation>är en enhet, inte en fil</translation>
    </message>
    <message>
        <source>reading failed (%1)</source>
        <translation>läsningen misslyckades (%1)</translation>
    </message>
    <message>
        <source>is being saved by another Korvel program; try again when it is done</source>
        <translation>sparas av ett annat Korvel-program; försök igen när det är klart</translation>
    </message>
    <message>
        <source>is cut short</source>
        <translation>är avkortad</translation>
    </message>
    <message>
        <source>is damaged (a part longer than a league has)</source>
        <translation>är skadad (en del längre än en liga har)</translation>
    </message>
    <message>
        <source>is not a game-day history of Korvel</source>
        <translation>är ingen matchdagshistorik från Korvel</translation>
    </message>
    <message>
        <source>is cut short or damaged (its checksum does not match)</source>
        <translation>är avkortad eller skadad (kontrollsumman stämmer inte)</translation>
    </message>
    <message>
        <source>is damaged (too many leagues)</source>
        <translation>är skadad (för många ligor)</translation>
    </message>
    <message>
        <source>is damaged (too many game days)</source>
        <translation>är skadad (för många matchdagar)</translation>
    </message>
    <message>
        <source>is damaged (bytes after its end)</source>
        <translation>är skadad (byte efter slutet)</translation>
    </message>
    <message>
        <source>holds no league path (binary or overlong first line)</source>
        <translation>innehåller ingen ligasökväg (binär eller för lång första rad)</translation>
    </message>
    <message>
        <source>holds the game days of another league under %1 (%2)</source>
        <translation>innehåller en annan ligas matchdagar under %1 (%2)</translation>
    </message>
    <message>
        <source>is damaged (a league without game days)</source>
        <translation>är skadad (en liga utan matchdagar)</translation>
    </message>
    <message>
        <source>no free name to set it aside under</source>
        <translation>inget ledigt namn att lägga undan den under</translation>
    </message>
    <message>
        <source>is damaged (a number too long)</source>
        <translation>är skadad (ett för långt tal)</translation>
    </message>
    <message>
        <source>is damaged (a game day larger than a league has)</source>
        <translation>är skadad (en matchdag större än en liga har)</translation>
    </message>
    <message>
        <source>is damaged (a change of the wrong size)</source>
        <translation>är skadad (en ändring av fel storlek)</translation>
    </message>
    <message>
        <source>is damaged (a change past the end)</source>
        <translation>är skadad (en ändring bortom slutet)</translation>
    </message>
    <message>
        <source>is damaged (a change of an unknown kind)</source>
        <translation>är skadad (en ändring av okänt slag)</translation>
    </message>
    <message>
        <source>was written by a newer Korvel (format %1)</source>
        <translation>skrevs av en nyare Korvel (format %1)</translation>
    </message>
    <message>
        <source>is damaged (an index longer than it can be)</source>
        <translation>är skadad (ett index längre än det kan vara)</translation>
    </message>
    <message>
        <source>is damaged (bytes after its index)</source>
        <translation>är skadad (byte efter dess index)</translation>
    </message>
    <message>
        <source>is damaged (bytes after a game day)</source>
        <translation>är skadad (byte efter en matchdag)</translation>
    </message>
    <message>
        <source>is damaged (bytes after the season)</source>
        <translation>är skadad (byte efter säsongen)</translation>
    </message>
    <message>
        <source>is damaged (bytes after a change)</source>
        <translation>är skadad (byte efter en ändring)</translation>
    </message>
</context>
<context>
    <name>GameDayBriefing</name>
    <message>
        <source>not injured</source>
        <translation>inte skadad</translation>
    </message>
    <message>
        <source>day-to-day</source>
        <translation>dag för dag</translation>
    </message>
    <message>
        <source>1-2 weeks</source>
        <translation>1-2 veckor</translation>
    </message>
    <message>
        <source>2-4 weeks</source>
        <translation>2-4 veckor</translation>
    </message>
    <message>
        <source>4-6 weeks</source>
        <translation>4-6 veckor</translation>
    </message>
    <message>
        <source>2-4 months</source>
        <translation>2-4 månader</translation>
    </message>
    <message>
        <source>indefinitely</source>
        <translation>på obestämd tid</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s)</source>
        <translation>
            <numerusform>%n match</numerusform>
            <numerusform>%n matcher</numerusform>
        </translation>
    </message>
    <message>
        <source>%1-%2-%3, %4 PTS, GF %5, GA %6</source>
        <translation>%1-%2-%3, %4 P, GM %5, IM %6</translation>
    </message>
    <message>
        <source>in no division</source>
        <translation>i ingen division</translation>
    </message>
    <message>
        <source>%1th in the division</source>
        <translation>%1:e i divisionen</translation>
    </message>
    <message>
        <source>%1st in the division</source>
        <translation>%1:a i divisionen</translation>
    </message>
    <message>
        <source>%1nd in the division</source>
        <translation>%1:a i divisionen</translation>
    </message>
    <message>
        <source>%1rd in the division</source>
        <translation>%1:e i divisionen</translation>
    </message>
    <message>
        <source>Hurt: %1, %2</source>
        <translation>Skadad: %1, %2</translation>
    </message>
    <message>
        <source>Healed: %1, was %2</source>
        <translation>Frisk: %1, var %2</translation>
    </message>
    <message>
        <source>Changed: %1, %2, was %3</source>
        <translation>Ändrad: %1, %2, var %3</translation>
    </message>
    <message>
        <source>Suspended: %1, %2</source>
        <translation>Avstängd: %1, %2</translation>
    </message>
    <message>
        <source>Back from suspension: %1, was %2</source>
        <translation>Tillbaka från avstängning: %1, var %2</translation>
    </message>
    <message>
        <source>%1, %2, OV %3 OF %4 DF %5</source>
        <translation>%1, %2, TOT %3 ANF %4 FÖR %5</translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <translation>%1 (var %2)</translation>
    </message>
    <message>
        <source>Briefing: %1</source>
        <translation>Genomgång: %1</translation>
    </message>
    <message>
        <source>%1 since the last game day</source>
        <translation>%1 sedan förra matchdagen</translation>
    </message>
    <message>
        <source>%1: first visit, no earlier game day to compare</source>
        <translation>%1: första besöket, ingen tidigare matchdag att jämföra med</translation>
    </message>
    <message>
        <source>Record: %1</source>
        <translation>Facit: %1</translation>
    </message>
    <message>
        <source>Rank: %1</source>
        <translation>Placering: %1</translation>
    </message>
    <message>
        <source>Injuries</source>
        <translation>Skador</translation>
    </message>
    <message>
        <source>Suspensions</source>
        <translation>Avstängningar</translation>
    </message>
    <message>
        <source>Arrived</source>
        <translation>Ankomna</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Lämnat</translation>
    </message>
    <message>
        <source>New on waivers</source>
        <translation>Nya på waivers</translation>
    </message>
    <message>
        <source>Ready for the next game</source>
        <translation>Redo för nästa match</translation>
    </message>
    <message>
        <source>known from the next game day on</source>
        <translation>känt från nästa matchdag</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>ingen ändring</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>ingen</translation>
    </message>
    <message>
        <source>yes, ready for the league</source>
        <translation>ja, redo för ligan</translation>
    </message>
    <message>
        <source>On waivers</source>
        <translation>På waivers</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>left %1</source>
        <translation>lämnade %1</translation>
    </message>
    <message>
        <source>on waivers</source>
        <translation>på waivers</translation>
    </message>
    <message>
        <source>Briefing</source>
        <translation>Genomgång</translation>
    </message>
    <message>
        <source>Show at start</source>
        <translation>Visa vid start</translation>
    </message>
    <message>
        <source>Season so far…</source>
        <translation>Säsongen hittills…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
</context>
<context>
    <name>GameDayBriefingForm</name>
    <message>
        <source>Open the briefing by itself when a load finds a new game day.</source>
        <translation>Öppna genomgången av sig själv när en inläsning hittar en ny matchdag.</translation>
    </message>
    <message>
        <source>The team&apos;s run, each player&apos;s form, absences and the waiver wire.</source>
        <translation>Lagets resultatsvit, varje spelares form, frånvaro och waiverlistan.</translation>
    </message>
    <message>
        <source>Enter or a double click opens what the entry leads to.</source>
        <translation>Enter eller ett dubbelklick öppnar det som posten leder till.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Korvel Help</source>
        <translation>Korvel hjälp</translation>
    </message>
    <message>
        <source>The manual is not installed: Korvel looked for %1 in the data folders of the system and beside the program.</source>
        <translation>Handboken är inte installerad: Korvel letade efter %1 i systemets datamappar och bredvid programmet.</translation>
    </message>
</context>
<context>
    <name>Import Lines</name>
    <message>
        <source>%1 holds the lines of team number %2, which this league does not have.</source>
        <translation>%1 innehåller kedjorna för lag nummer %2, som den här ligan inte har.</translation>
    </message>
    <message>
        <source>%1 holds the lines of %2, saved with another password than the team&apos;s lines password.</source>
        <translation>%1 innehåller kedjorna för %2, sparade med ett annat lösenord än lagets kedjelösenord.</translation>
    </message>
    <message>
        <source>%1 holds the lines of %2, not of %3.</source>
        <translation>%1 innehåller kedjorna för %2, inte för %3.</translation>
    </message>
</context>
<context>
    <name>League</name>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n spelare</numerusform>
            <numerusform>%n spelare</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n player(s) too many</source>
        <translation>
            <numerusform>%n spelare för mycket</numerusform>
            <numerusform>%n spelare för mycket</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2 too many</source>
        <translation>%1 %2 för mycket</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alla</translation>
    </message>
    <message>
        <source>row %1 column %2</source>
        <translation>rad %1 kolumn %2</translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation>%1 innehåller %2</translation>
    </message>
    <message>
        <source>%1 names %2</source>
        <translation>%1 anger %2</translation>
    </message>
    <message>
        <source>An entry names no player of the team (%1).</source>
        <translation>En post anger ingen spelare i laget (%1).</translation>
    </message>
    <message>
        <source>The lines are not complete (%1 is empty).</source>
        <translation>Kedjorna är inte kompletta (%1 är tom).</translation>
    </message>
    <message>
        <source>An injured player stands dressed and healthy in the file (%1): the import would call the lines not valid.</source>
        <translation>En skadad spelare står som uttagen och frisk i filen (%1): importen skulle underkänna kedjorna.</translation>
    </message>
    <message numerus="yes">
        <source>%n players are dressed; a game roster has %1.</source>
        <translation>
            <numerusform>%n spelare är uttagen; en matchtrupp har %1.</numerusform>
            <numerusform>%n spelare är uttagna; en matchtrupp har %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The password is not the lines password of %1.</source>
        <translation>Lösenordet är inte kedjelösenordet för %1.</translation>
    </message>
    <message>
        <source>A player in the lines is not dressed in the file (%1).</source>
        <translation>En spelare i kedjorna är inte uttagen i filen (%1).</translation>
    </message>
    <message>
        <source>The file holds %1 bytes; a lines file holds %2.</source>
        <translation>Filen innehåller %1 byte; en kedjefil innehåller %2.</translation>
    </message>
    <message>
        <source>Team %1 is not in the league (teams 0 to %2).</source>
        <translation>Lag %1 finns inte i ligan (lag 0 till %2).</translation>
    </message>
    <message>
        <source>%1: too short for a %2 (%3 bytes, one record is %4)</source>
        <translation>%1: för kort för en %2 (%3 byte, en post är %4)</translation>
    </message>
    <message>
        <source>league record</source>
        <translation>ligapost</translation>
    </message>
    <message>
        <source>%1: names %2 teams; a league holds at most %3</source>
        <translation>%1: anger %2 lag; en liga har högst %3</translation>
    </message>
    <message>
        <source>%1: too short for the %2 teams of the league (%3 bytes, one team record is %4)</source>
        <translation>%1: för kort för ligans %2 lag (%3 byte, en lagpost är %4)</translation>
    </message>
    <message>
        <source>%1: shorter than the league needs (%2 bytes of %3): the players of %4 team are missing, and it loads with empty places.</source>
        <translation>%1: kortare än ligan behöver (%2 byte av %3): spelarna i %4 lag saknas, och det läses in med tomma platser.</translation>
    </message>
    <message>
        <source>%1: shorter than the league needs (%2 bytes of %3): the players of %4 teams are missing, and they load with empty places.</source>
        <translation>%1: kortare än ligan behöver (%2 byte av %3): spelarna i %4 lag saknas, och de läses in med tomma platser.</translation>
    </message>
    <message>
        <source>The start folder %1 must be writable: Korvel keeps its working copies of the league there.

%2</source>
        <translation>Startmappen %1 måste vara skrivbar: Korvel har sina arbetskopior av ligan där.

%2</translation>
    </message>
    <message>
        <source>The league %1 could not be loaded.

%2</source>
        <translation>Ligan %1 kunde inte läsas in.

%2</translation>
    </message>
    <message>
        <source>The game days of this league could not be read: %1</source>
        <translation>Den här ligans matchdagar kunde inte läsas: %1</translation>
    </message>
    <message>
        <source>This game day could not be kept for the next briefing: %1</source>
        <translation>Den här matchdagen kunde inte sparas till nästa genomgång: %1</translation>
    </message>
    <message>
        <source>The game-day history %1 %2. It was set aside as %3, and the briefing starts afresh.</source>
        <translation>Matchdagshistoriken %1 %2. Den lades undan som %3, och genomgången börjar om.</translation>
    </message>
    <message>
        <source>The game-day history %1 %2 and could not be set aside (%3); the briefing starts afresh and the file is left as it is.</source>
        <translation>Matchdagshistoriken %1 %2 och kunde inte läggas undan (%3); genomgången börjar om och filen lämnas som den är.</translation>
    </message>
    <message>
        <source>The game-day history %1 %2.</source>
        <translation>Matchdagshistoriken %1 %2.</translation>
    </message>
</context>
<context>
    <name>Lines</name>
    <message>
        <source>Lines for %1</source>
        <translation>Kedjor för %1</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Ångra: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Gör om: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gör om</translation>
    </message>
    <message>
        <source>Even Strength Lines</source>
        <translation>Kedjor i fullt lag</translation>
    </message>
    <message>
        <source>Power Play Lines</source>
        <translation>Powerplayformationer</translation>
    </message>
    <message>
        <source>Penalty Kill Lines</source>
        <translation>Boxplayformationer</translation>
    </message>
    <message>
        <source>Password?</source>
        <translation>Lösenord?</translation>
    </message>
    <message>
        <source>Save Lines</source>
        <translation>Spara kedjor</translation>
    </message>
    <message>
        <source>Import Lines</source>
        <translation>Importera kedjor</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alla filer</translation>
    </message>
    <message>
        <source>Lines Files</source>
        <translation>Kedjefiler</translation>
    </message>
    <message>
        <source>Edit Lines</source>
        <translation>Redigera kedjor</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Målvakt</translation>
    </message>
    <message>
        <source>Extra Skaters</source>
        <translation>Extraspelare</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>5 mot 5</translation>
    </message>
    <message>
        <source>PP</source>
        <translation>PP</translation>
    </message>
    <message>
        <source>PK</source>
        <translation>BP</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Load Lines</source>
        <translation>Läs in kedjor</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Redigera</translation>
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
        <translation>Enter eller blanksteg: sätt spelaren som valts i listan här
Delete: töm platsen
Pilar: gå till nästa plats; Alt+pil: byt med den
X: markera platsen, sedan byter X på en annan plats de två
F6: till listan och tillbaka
Dra till en annan plats för att byta de två</translation>
    </message>
    <message>
        <source>Click to redraw the lines</source>
        <translation>Klicka för att rita om kedjorna</translation>
    </message>
    <message>
        <source>F6: to the slots and back</source>
        <translation>F6: till platserna och tillbaka</translation>
    </message>
    <message>
        <source>Roster order</source>
        <translation>Truppordning</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Offence</source>
        <translation>Anfall</translation>
    </message>
    <message>
        <source>Defence</source>
        <translation>Försvar</translation>
    </message>
    <message>
        <source>The order of the players (Alt+B); a click on a column header does the same</source>
        <translation>Spelarnas ordning (Alt+B); ett klick på en kolumnrubrik gör detsamma</translation>
    </message>
    <message>
        <source>Pick a player, then press Enter on a slot (F6 goes there), click it or drag him onto it.</source>
        <translation>Välj en spelare, tryck sedan Enter på en plats (F6 går dit), klicka på den eller dra honom dit.</translation>
    </message>
    <message>
        <source>Show or hide this position in the list</source>
        <translation>Visa eller dölj den här positionen i listan</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>Sortera &amp;efter:</translation>
    </message>
    <message>
        <source>Even strength lines</source>
        <translation>Kedjor i fullt lag</translation>
    </message>
    <message>
        <source>Power play lines</source>
        <translation>Powerplayformationer</translation>
    </message>
    <message>
        <source>Penalty kill lines</source>
        <translation>Boxplayformationer</translation>
    </message>
    <message>
        <source>Set all lines automatically</source>
        <translation>Sätt alla kedjor automatiskt</translation>
    </message>
    <message>
        <source>Import a lines file</source>
        <translation>Importera en kedjefil</translation>
    </message>
    <message>
        <source>Save the lines file for the league</source>
        <translation>Spara kedjefilen till ligan</translation>
    </message>
    <message>
        <source>Keep or drop the changes and close</source>
        <translation>Behåll eller släpp ändringarna och stäng</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Load League</source>
        <translation>Läs in liga</translation>
    </message>
    <message>
        <source>View Team</source>
        <translation>Visa lag</translation>
    </message>
    <message>
        <source>Set Game Roster</source>
        <translation>Ta ut matchtrupp</translation>
    </message>
    <message>
        <source>Set Lines</source>
        <translation>Sätt kedjor</translation>
    </message>
    <message>
        <source>Briefing</source>
        <translation>Genomgång</translation>
    </message>
    <message>
        <source>League Name</source>
        <translation>Ligans namn</translation>
    </message>
    <message>
        <source>Conference 1</source>
        <translation>Konferens 1</translation>
    </message>
    <message>
        <source>Conference 2</source>
        <translation>Konferens 2</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arkiv</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Läs in</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Sportchef</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Tabell</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Tränare</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>The league&apos;s files changed on disk since they were loaded.</source>
        <translation>Ligans filer har ändrats på disken sedan de lästes in.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Läs in igen</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Säsong</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Load this league, as Load does</source>
        <translation>Läs in den här ligan, som Läs in gör</translation>
    </message>
    <message>
        <source>Loads the league again from its files, as File &gt; Load does (F5).</source>
        <translation>Läser in ligan igen från dess filer, som Arkiv &gt; Läs in (F5).</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Om &amp;Qt</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>Korvel &amp;Help</source>
        <translation>Korvel &amp;hjälp</translation>
    </message>
    <message>
        <source>Open a league with File &gt; Load</source>
        <translation>Öppna en liga med Arkiv &gt; Läs in</translation>
    </message>
    <message>
        <source>No team in the divisions shown</source>
        <translation>Inget lag i divisionerna som visas</translation>
    </message>
    <message>
        <source>Select a team</source>
        <translation>Välj ett lag</translation>
    </message>
    <message>
        <source>Current team: %1</source>
        <translation>Aktuellt lag: %1</translation>
    </message>
    <message>
        <source>%1 will load when the open window closes.</source>
        <translation>%1 läses in när det öppna fönstret stängs.</translation>
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
        <translation>FATTN</translation>
    </message>
    <message>
        <source>HGT</source>
        <translation>LÄNGD</translation>
    </message>
    <message>
        <source>WGT</source>
        <translation>VIKT</translation>
    </message>
    <message>
        <source>AGE</source>
        <translation>ÅLDER</translation>
    </message>
    <message>
        <source>STS</source>
        <translation>STATUS</translation>
    </message>
    <message>
        <source>CON</source>
        <translation>KONTR</translation>
    </message>
    <message>
        <source>Birthplace</source>
        <translation>Födelseort</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Kontrakt</translation>
    </message>
    <message>
        <source>Salary $</source>
        <translation>Lön $</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensitet</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Fart</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Styrka</translation>
    </message>
    <message>
        <source>Endurance</source>
        <translation>Uthållighet</translation>
    </message>
    <message>
        <source>Durability</source>
        <translation>Tålighet</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Disciplin</translation>
    </message>
    <message>
        <source>Skating</source>
        <translation>Skridsko</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Passningar</translation>
    </message>
    <message>
        <source>Stickhandle</source>
        <translation>Klubbteknik</translation>
    </message>
    <message>
        <source>Defence</source>
        <translation>Försvar</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Målfarlighet</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Erfarenhet</translation>
    </message>
    <message>
        <source>Leadership</source>
        <translation>Ledarskap</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>GP</source>
        <translation>M</translation>
    </message>
    <message>
        <source>PIM</source>
        <translation>UTV</translation>
    </message>
    <message>
        <source>GAA</source>
        <translation>GAA</translation>
    </message>
    <message>
        <source>PPG</source>
        <translation>PPM</translation>
    </message>
    <message>
        <source>SHG</source>
        <translation>BPM</translation>
    </message>
    <message>
        <source>GW</source>
        <translation>AVG</translation>
    </message>
    <message>
        <source>GT</source>
        <translation>KVM</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Skott</translation>
    </message>
    <message>
        <source>Sh%</source>
        <translation>S%</translation>
    </message>
    <message>
        <source>Sv%</source>
        <translation>R%</translation>
    </message>
    <message>
        <source>Injured %1</source>
        <translation>Skadad %1</translation>
    </message>
    <message numerus="yes">
        <source>Suspended %n games</source>
        <translation>
            <numerusform>Avstängd %n match</numerusform>
            <numerusform>Avstängd %n matcher</numerusform>
        </translation>
    </message>
    <message>
        <source>Healthy</source>
        <translation>Frisk</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>–</translation>
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
        <translation>–</translation>
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
        <translation>Spelarinfo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
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
        <translation>FÄRDIGHETER</translation>
    </message>
    <message>
        <source>SEASON STATISTICS</source>
        <translation>SÄSONGSSTATISTIK</translation>
    </message>
    <message>
        <source>Click, or press Space, to switch between feet and centimetres</source>
        <translation>Klicka, eller tryck på blanksteg, för att växla mellan fot och centimeter</translation>
    </message>
</context>
<context>
    <name>QtUi</name>
    <message>
        <source>Open &amp;Folder</source>
        <translation>Öppna &amp;mapp</translation>
    </message>
    <message>
        <source>The folder %1 could not be opened: the desktop has no program that shows folders, or it refused.</source>
        <translation>Mappen %1 kunde inte öppnas: skrivbordet har inget program som visar mappar, eller så vägrade det.</translation>
    </message>
</context>
<context>
    <name>RatedPlayerTable</name>
    <message>
        <source>Player</source>
        <translation>Spelare</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>OV</source>
        <translation>TOT</translation>
    </message>
    <message>
        <source>OF</source>
        <translation>ANF</translation>
    </message>
    <message>
        <source>DF</source>
        <translation>FÖR</translation>
    </message>
    <message>
        <source>The player as listed; the mark tells how often he stands in the lines shown</source>
        <translation>Spelaren som listad; märket visar hur ofta han står i kedjorna som visas</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Overall rating</source>
        <translation>Totalbetyg</translation>
    </message>
    <message>
        <source>Offence rating</source>
        <translation>Anfallsbetyg</translation>
    </message>
    <message>
        <source>Defence rating</source>
        <translation>Försvarsbetyg</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Borta</translation>
    </message>
    <message>
        <source>The player as listed; * marks a protected player or a rookie in the protection view</source>
        <translation>Spelaren som listad; * markerar en skyddad spelare eller en rookie i skyddsvyn</translation>
    </message>
    <message>
        <source>Injury code and games suspended</source>
        <translation>Skadekod och matcher av avstängning</translation>
    </message>
    <message>
        <source>Injury code and games suspended: out of the next game</source>
        <translation>Skadekod och matcher av avstängning: borta nästa match</translation>
    </message>
</context>
<context>
    <name>Readiness</name>
    <message>
        <source>Ready for the league</source>
        <translation>Redo för ligan</translation>
    </message>
    <message>
        <source>Not ready for the league: %1</source>
        <translation>Inte redo för ligan: %1</translation>
    </message>
    <message numerus="yes">
        <source>Not ready for the league (%n problems): %1</source>
        <translation>
            <numerusform>Inte redo för ligan (%n problem): %1</numerusform>
            <numerusform>Inte redo för ligan (%n problem): %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 is hurt (%2) and dressed</source>
        <translation>%1 är skadad (%2) och uttagen</translation>
    </message>
    <message numerus="yes">
        <source>%1 is suspended (%n game(s)) and dressed</source>
        <translation>
            <numerusform>%1 är avstängd (%n match) och uttagen</numerusform>
            <numerusform>%1 är avstängd (%n matcher) och uttagen</numerusform>
        </translation>
    </message>
    <message>
        <source>The game roster needs %1 more %2</source>
        <translation>Matchtruppen behöver %1 %2 till</translation>
    </message>
    <message>
        <source>The game roster has %1 %2; it takes %3</source>
        <translation>Matchtruppen har %1 %2; det ska vara %3</translation>
    </message>
    <message numerus="yes">
        <source>%n dressed player(s) can play; a game roster has %1</source>
        <translation>
            <numerusform>%n uttagen spelare kan spela; en matchtrupp har %1</numerusform>
            <numerusform>%n uttagna spelare kan spela; en matchtrupp har %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 är tom</translation>
    </message>
    <message>
        <source>%1 names no player of the team</source>
        <translation>%1 anger ingen spelare i laget</translation>
    </message>
    <message>
        <source>%1: %2 is not dressed</source>
        <translation>%1: %2 är inte uttagen</translation>
    </message>
    <message>
        <source>Injury %1</source>
        <translation>Skada %1</translation>
    </message>
    <message>
        <source>Susp %1</source>
        <translation>Avst %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The password is not the lines password of %1.</source>
        <translation>Lösenordet är inte kedjelösenordet för %1.</translation>
    </message>
</context>
<context>
    <name>ReadinessLabel</name>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>Roster of the %1</source>
        <translation>Trupp: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n Total Players</source>
        <translation>
            <numerusform>%n spelare totalt</numerusform>
            <numerusform>%n spelare totalt</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Ångra: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Gör om: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gör om</translation>
    </message>
    <message>
        <source>Missing: %1</source>
        <translation>Saknas: %1</translation>
    </message>
    <message>
        <source>Set Game Roster</source>
        <translation>Ta ut matchtrupp</translation>
    </message>
    <message>
        <source>Roster Complete</source>
        <translation>Truppen komplett</translation>
    </message>
    <message>
        <source>Game Roster</source>
        <translation>Matchtrupp</translation>
    </message>
    <message>
        <source>Scratches</source>
        <translation>Petade</translation>
    </message>
    <message>
        <source>Farm Roster</source>
        <translation>Farmarlag</translation>
    </message>
    <message>
        <source>Scratch</source>
        <translation>Peta</translation>
    </message>
    <message>
        <source>Dress</source>
        <translation>Ta ut</translation>
    </message>
    <message>
        <source>To Farm</source>
        <translation>Till farmarlag</translation>
    </message>
    <message>
        <source>To Pros</source>
        <translation>Kalla upp</translation>
    </message>
    <message>
        <source>0 Total Players</source>
        <translation>0 spelare totalt</translation>
    </message>
    <message>
        <source>Protect</source>
        <translation>Skydda</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Add Player</source>
        <translation>Lägg till spelare</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Redigera</translation>
    </message>
    <message numerus="yes">
        <source>%n players</source>
        <translation>
            <numerusform>%n spelare</numerusform>
            <numerusform>%n spelare</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <translation>Flytta %1 till %2</translation>
    </message>
    <message>
        <source>Add player to %1</source>
        <translation>Lägg till spelare i %1</translation>
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
        <translation>Peta de valda uttagna spelarna</translation>
    </message>
    <message>
        <source>Dress the selected scratches</source>
        <translation>Ta ut de valda petade spelarna</translation>
    </message>
    <message>
        <source>Send the selected scratches to the farm club</source>
        <translation>Skicka de valda petade spelarna till farmarlaget</translation>
    </message>
    <message>
        <source>Call the selected farm players up</source>
        <translation>Kalla upp de valda farmarspelarna</translation>
    </message>
    <message>
        <source>Show or hide this position in the lists</source>
        <translation>Visa eller dölj den här positionen i listorna</translation>
    </message>
    <message>
        <source>Protection view: * marks protected players and rookies; a double click or Enter on a player protects him or lifts his protection</source>
        <translation>Skyddsvy: * markerar skyddade spelare och rookies; ett dubbelklick eller Enter på en spelare skyddar honom eller tar bort skyddet</translation>
    </message>
    <message>
        <source>Dress 20 players automatically %1</source>
        <translation>Ta ut 20 spelare automatiskt %1</translation>
    </message>
    <message>
        <source>Add a new player to the farm club %1</source>
        <translation>Lägg till en ny spelare i farmarlaget %1</translation>
    </message>
    <message>
        <source>Keep or drop the changes and close %1</source>
        <translation>Behåll eller släpp ändringarna och stäng %1</translation>
    </message>
    <message>
        <source>Dressed players at this position against the game-roster rule</source>
        <translation>Uttagna spelare på den här positionen mot matchtruppens regel</translation>
    </message>
    <message>
        <source>Dressed players in all against the game-roster rule</source>
        <translation>Uttagna spelare totalt mot matchtruppens regel</translation>
    </message>
</context>
<context>
    <name>RosterTable</name>
    <message>
        <source>Roster order</source>
        <translation>Truppordning</translation>
    </message>
</context>
<context>
    <name>Save Lines</name>
    <message>
        <source>The lines were not saved: the lines files of %1 and %2 would be one file, %3, on a disk that ignores case (as Windows does). Rename one of the teams.</source>
        <translation>Kedjorna sparades inte: kedjefilerna för %1 och %2 skulle bli en och samma fil, %3, på en disk som inte skiljer på versaler och gemener (som Windows). Byt namn på ett av lagen.</translation>
    </message>
</context>
<context>
    <name>Season</name>
    <message>
        <source>one game day kept: the season view starts here</source>
        <translation>en matchdag sparad: säsongsvyn börjar här</translation>
    </message>
    <message>
        <source>Points and goal difference by game day.</source>
        <translation>Poäng och målskillnad per matchdag.</translation>
    </message>
    <message>
        <source>Rank %1 in the division.</source>
        <translation>Plats %1 i divisionen.</translation>
    </message>
    <message>
        <source>Skaters</source>
        <translation>Utespelare</translation>
    </message>
    <message>
        <source>Goalies</source>
        <translation>Målvakter</translation>
    </message>
    <message>
        <source>Absences</source>
        <translation>Frånvaro</translation>
    </message>
    <message>
        <source>Waiver wire</source>
        <translation>Waiverlistan</translation>
    </message>
    <message>
        <source>Enter or a double click opens the player&apos;s card.</source>
        <translation>Enter eller ett dubbelklick öppnar spelarens kort.</translation>
    </message>
    <message>
        <source>&amp;Goalies</source>
        <translation>&amp;Målvakter</translation>
    </message>
    <message>
        <source>&amp;Absences</source>
        <translation>&amp;Frånvaro</translation>
    </message>
    <message>
        <source>&amp;Waiver wire (better than your weakest dressed)</source>
        <translation>&amp;Waiverlistan (bättre än din svagaste uttagna)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>▲ hot: the most points of the span among those who played; ▼ cold: the fewest.</source>
        <translation>▲ het: flest poäng under perioden bland dem som spelat; ▼ kall: minst.</translation>
    </message>
    <message>
        <source>Click a heading to sort; Enter or a double click opens the card.</source>
        <translation>Klicka på en rubrik för att sortera; Enter eller ett dubbelklick öppnar kortet.</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Het</translation>
    </message>
    <message>
        <source>Cold</source>
        <translation>Kall</translation>
    </message>
    <message numerus="yes">
        <source>%1: the season so far, %n game day(s) kept</source>
        <translation>
            <numerusform>%1: säsongen hittills, %n matchdag sparad</numerusform>
            <numerusform>%1: säsongen hittills, %n matchdagar sparade</numerusform>
        </translation>
    </message>
    <message>
        <source>Now %1-%2-%3, %4 PTS, goal difference %5, %6; %7 PTS since day %8</source>
        <translation>Nu %1-%2-%3, %4 P, målskillnad %5, %6; %7 P sedan dag %8</translation>
    </message>
    <message numerus="yes">
        <source>Form over the last %n game day(s)</source>
        <translation>
            <numerusform>Form under den senaste %n matchdagen</numerusform>
            <numerusform>Form under de senaste %n matchdagarna</numerusform>
        </translation>
    </message>
    <message>
        <source>hurt (%1)</source>
        <translation>skadad (%1)</translation>
    </message>
    <message numerus="yes">
        <source>suspended %n game(s)</source>
        <translation>
            <numerusform>avstängd %n match</numerusform>
            <numerusform>avstängd %n matcher</numerusform>
        </translation>
    </message>
    <message>
        <source>days %1 to %2</source>
        <translation>dag %1 till %2</translation>
    </message>
    <message>
        <source>since day %1, still out</source>
        <translation>sedan dag %1, fortfarande borta</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>%1 (%2) OV %3, OF %4, DF %5</source>
        <translation>%1 (%2) TOT %3, ANF %4, FÖR %5</translation>
    </message>
    <message>
        <source>%1: better than %2 (OV %3)</source>
        <translation>%1: bättre än %2 (TOT %3)</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Säsong</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
</context>
<context>
    <name>SlotEditing</name>
    <message>
        <source>Clear Slot</source>
        <translation>Töm plats</translation>
    </message>
</context>
<context>
    <name>SlotLabel</name>
    <message>
        <source>empty</source>
        <translation>tom</translation>
    </message>
    <message>
        <source>Out of the next game: %1</source>
        <translation>Borta nästa match: %1</translation>
    </message>
</context>
<context>
    <name>Standings</name>
    <message>
        <source>Unlisted: %1</source>
        <translation>Utan plats: %1</translation>
    </message>
    <message>
        <source>Conference %1</source>
        <translation>Konferens %1</translation>
    </message>
    <message>
        <source>Division %1</source>
        <translation>Division %1</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Tabell</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
</context>
<context>
    <name>StandingsForm</name>
    <message>
        <source>Rank</source>
        <translation>Plac</translation>
    </message>
    <message>
        <source>Place in the division: points, then wins, then goal difference.</source>
        <translation>Placering i divisionen: poäng, sedan vinster, sedan målskillnad.</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>Double click or Enter makes the team current.</source>
        <translation>Dubbelklick eller Enter gör laget aktuellt.</translation>
    </message>
    <message>
        <source>GP</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Games played: W + L + T.</source>
        <translation>Spelade matcher: V + F + O.</translation>
    </message>
    <message>
        <source>W</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Wins.</source>
        <translation>Vinster.</translation>
    </message>
    <message>
        <source>L</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Losses.</source>
        <translation>Förluster.</translation>
    </message>
    <message>
        <source>T</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Ties.</source>
        <translation>Oavgjorda.</translation>
    </message>
    <message>
        <source>PTS</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Points: 2 for a win, 1 for a tie.</source>
        <translation>Poäng: 2 för vinst, 1 för oavgjort.</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>GM</translation>
    </message>
    <message>
        <source>Goals for.</source>
        <translation>Gjorda mål.</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>IM</translation>
    </message>
    <message>
        <source>Goals against.</source>
        <translation>Insläppta mål.</translation>
    </message>
    <message>
        <source>DIFF</source>
        <translation>MS</translation>
    </message>
    <message>
        <source>Goal difference: GF - GA.</source>
        <translation>Målskillnad: GM - IM.</translation>
    </message>
    <message>
        <source>Teams whose conference or division the league does not have.</source>
        <translation>Lag vars konferens eller division ligan inte har.</translation>
    </message>
</context>
<context>
    <name>StrengthChart</name>
    <message>
        <source>Mean overall rating of the best players of each position that a game roster asks for (3 C, 3 LW, 3 RW, 6 D, 1 G). Solid bar and first number: the dressed players. Pale bar and second number: the whole pro roster.</source>
        <translation>Medelvärdet av totalbetyget för de bästa spelarna på varje position som en matchtrupp kräver (3 C, 3 VF, 3 HF, 6 B, 1 MV). Hel stapel och första tal: de uttagna spelarna. Blek stapel och andra tal: hela proffstruppen.</translation>
    </message>
    <message>
        <source> (%1 of %2)</source>
        <translation> (%1 av %2)</translation>
    </message>
    <message>
        <source>dressed | pro roster</source>
        <translation>uttagna | proffstrupp</translation>
    </message>
</context>
<context>
    <name>TeamSession</name>
    <message>
        <source>Not enough players</source>
        <translation>Inte tillräckligt med spelare</translation>
    </message>
    <message>
        <source>Auto Roster</source>
        <translation>Automatisk trupp</translation>
    </message>
    <message>
        <source>Auto roster</source>
        <translation>Automatisk trupp</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Töm %1</translation>
    </message>
    <message>
        <source>Swap %1 and %2</source>
        <translation>Byt %1 och %2</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>Kedja 1</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Kedja 2</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>Kedja 3</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>Kedja 4</translation>
    </message>
    <message>
        <source>PP Line 1 (5 on 4)</source>
        <translation>PP 1 (5 mot 4)</translation>
    </message>
    <message>
        <source>PP Line 2 (5 on 4)</source>
        <translation>PP 2 (5 mot 4)</translation>
    </message>
    <message>
        <source>PP Line 1 (4 on 3)</source>
        <translation>PP 1 (4 mot 3)</translation>
    </message>
    <message>
        <source>PP Line 2 (4 on 3)</source>
        <translation>PP 2 (4 mot 3)</translation>
    </message>
    <message>
        <source>PK Line 1 (4 on 5)</source>
        <translation>BP 1 (4 mot 5)</translation>
    </message>
    <message>
        <source>PK Line 2 (4 on 5)</source>
        <translation>BP 2 (4 mot 5)</translation>
    </message>
    <message>
        <source>PK Line 1 (3 on 5)</source>
        <translation>BP 1 (3 mot 5)</translation>
    </message>
    <message>
        <source>PK Line 2 (3 on 5)</source>
        <translation>BP 2 (3 mot 5)</translation>
    </message>
    <message>
        <source>Goalie / Extra Skaters</source>
        <translation>Målvakt / extraspelare</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Målvakt</translation>
    </message>
    <message>
        <source>Extra Skater %1</source>
        <translation>Extraspelare %1</translation>
    </message>
    <message>
        <source>Goalie row spare</source>
        <translation>Reserv i målvaktsraden</translation>
    </message>
    <message>
        <source>%1 spare</source>
        <translation>%1 reserv</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Save Lines</source>
        <translation>Spara kedjor</translation>
    </message>
    <message>
        <source>Import Lines</source>
        <translation>Importera kedjor</translation>
    </message>
    <message>
        <source>The password cannot hold &quot;%1&quot;: a lines file keeps only characters of the Windows-1252 set.</source>
        <translation>Lösenordet kan inte innehålla ”%1”: en kedjefil sparar bara tecken ur Windows-1252.</translation>
    </message>
    <message>
        <source>The password does not match the lines password of %1. Save anyway?</source>
        <translation>Lösenordet stämmer inte med kedjelösenordet för %1. Spara ändå?</translation>
    </message>
    <message>
        <source>The lines were not saved.
%1</source>
        <translation>Kedjorna sparades inte.
%1</translation>
    </message>
    <message>
        <source>Lines saved as %1</source>
        <translation>Kedjorna sparade som %1</translation>
    </message>
    <message>
        <source>Lines Saved</source>
        <translation>Kedjorna sparade</translation>
    </message>
    <message>
        <source>Errors in File</source>
        <translation>Fel i filen</translation>
    </message>
    <message>
        <source>Invalid File</source>
        <translation>Ogiltig fil</translation>
    </message>
    <message>
        <source>Password Incorrect</source>
        <translation>Fel lösenord</translation>
    </message>
    <message>
        <source>Load Lines</source>
        <translation>Läs in kedjor</translation>
    </message>
    <message>
        <source>%1 lines are not valid</source>
        <translation>Kedjorna för %1 är ogiltiga</translation>
    </message>
    <message>
        <source>Invalid Lines</source>
        <translation>Ogiltiga kedjor</translation>
    </message>
    <message>
        <source>Scratch %1</source>
        <translation>Peta %1</translation>
    </message>
    <message>
        <source>%1 is unavailable</source>
        <translation>%1 är inte tillgänglig</translation>
    </message>
    <message>
        <source>Dress %1</source>
        <translation>Ta ut %1</translation>
    </message>
    <message>
        <source>%1 cannot be sent to farm</source>
        <translation>%1 kan inte skickas till farmarlaget</translation>
    </message>
    <message>
        <source>Send %1 to farm</source>
        <translation>Skicka %1 till farmarlaget</translation>
    </message>
    <message>
        <source>Call up %1</source>
        <translation>Kalla upp %1</translation>
    </message>
    <message>
        <source>Unprotect %1</source>
        <translation>Ta bort skyddet för %1</translation>
    </message>
    <message>
        <source>Protect %1</source>
        <translation>Skydda %1</translation>
    </message>
    <message>
        <source>The lines files of %1 and %2 would both be %3; rename one of the teams.</source>
        <translation>Kedjefilerna för %1 och %2 skulle båda bli %3; byt namn på ett av lagen.</translation>
    </message>
    <message>
        <source>Roster not complete</source>
        <translation>Truppen är inte komplett</translation>
    </message>
    <message>
        <source>Set roster first</source>
        <translation>Ta ut truppen först</translation>
    </message>
    <message>
        <source>Auto Lines</source>
        <translation>Automatiska kedjor</translation>
    </message>
    <message>
        <source>Auto lines</source>
        <translation>Automatiska kedjor</translation>
    </message>
    <message>
        <source>Put %1 in %2</source>
        <translation>Sätt %1 på %2</translation>
    </message>
    <message>
        <source>Lines are not complete</source>
        <translation>Kedjorna är inte kompletta</translation>
    </message>
    <message>
        <source>Keep Roster Changes?</source>
        <translation>Behålla truppändringarna?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Behåll ändringar</translation>
    </message>
    <message>
        <source>Keep Line Changes?</source>
        <translation>Behålla kedjeändringarna?</translation>
    </message>
    <message>
        <source>Edit Roster</source>
        <translation>Redigera trupp</translation>
    </message>
    <message>
        <source>Edit Lines</source>
        <translation>Redigera kedjor</translation>
    </message>
    <message>
        <source>Changes were not saved</source>
        <translation>Ändringarna sparades inte</translation>
    </message>
    <message>
        <source>Put %1 on waivers?</source>
        <translation>Placera %1 på waivers?</translation>
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
        <translation>ingen</translation>
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
        <translation>Ekonomi</translation>
    </message>
    <message>
        <source>Now %1; revenue %2; expenses %3; balance %4</source>
        <translation>Nu %1; intäkter %2; utgifter %3; saldo %4</translation>
    </message>
</context>
<context>
    <name>korvel::LinesForm</name>
    <message>
        <source>Dressed players</source>
        <translation>Uttagna spelare</translation>
    </message>
    <message>
        <source>Pick a player, then press Enter on a slot; F6 goes to the slots and back</source>
        <translation>Välj en spelare och tryck sedan Enter på en plats; F6 går till platserna och tillbaka</translation>
    </message>
</context>
<context>
    <name>korvel::MainForm</name>
    <message>
        <source>Divisions of %1</source>
        <translation>Divisioner i %1</translation>
    </message>
    <message>
        <source>Teams of %1</source>
        <translation>Lag i %1</translation>
    </message>
</context>
<context>
    <name>korvel::RosterTable</name>
    <message>
        <source>available</source>
        <translation>tillgänglig</translation>
    </message>
</context>
<context>
    <name>korvel::SkillBar</name>
    <message>
        <source>no rating</source>
        <translation>inget betyg</translation>
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
        <translation>Tabell</translation>
    </message>
    <message>
        <source>Enter or a double click makes the team current</source>
        <translation>Enter eller ett dubbelklick gör laget till det aktuella</translation>
    </message>
    <message>
        <source>%1, current team</source>
        <translation>%1, aktuellt lag</translation>
    </message>
</context>
<context>
    <name>korvel::StrengthChart</name>
    <message>
        <source>Strength by position</source>
        <translation>Styrka per position</translation>
    </message>
    <message>
        <source>%1: dressed %2, pro roster %3</source>
        <translation>%1: uttagna %2, proffstrupp %3</translation>
    </message>
</context>
<context>
    <name>korvel::qt::SlotLabel</name>
    <message>
        <source>empty</source>
        <translation>tom</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, refused</source>
        <translation>%1, nekad</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A second start in this folder cannot bring this window forward: %1</source>
        <translation>En andra start i den här mappen kan inte ta fram det här fönstret: %1</translation>
    </message>
</context>
</TS>
