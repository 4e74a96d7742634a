<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>AboutBox</name>
    <message>
        <source>&lt;h3&gt;Korvel %1&lt;/h3&gt;&lt;p&gt;Prepares the game roster and the lines of an ice-hockey team for the league&apos;s next game.&lt;/p&gt;&lt;p&gt;Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later). Korvel comes with no warranty.&lt;/p&gt;&lt;p&gt;Built with:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Qt %2 (LGPL-3.0)&lt;/li&gt;&lt;li&gt;CLI11 (BSD-3-Clause), in korvel-cli and korvel-make-league&lt;/li&gt;&lt;li&gt;nlohmann/json (MIT), in korvel-cli&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Korvel %1&lt;/h3&gt;&lt;p&gt;Připraví sestavu a formace hokejového týmu na příští zápas ligy.&lt;/p&gt;&lt;p&gt;Licence: GNU General Public License, verze 3 nebo pozdější (GPL-3.0-or-later). Korvel je poskytován bez jakékoli záruky.&lt;/p&gt;&lt;p&gt;Sestaveno s:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Qt %2 (LGPL-3.0)&lt;/li&gt;&lt;li&gt;CLI11 (BSD-3-Clause), v korvel-cli a korvel-make-league&lt;/li&gt;&lt;li&gt;nlohmann/json (MIT), v korvel-cli&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>About Korvel</source>
        <translation>O programu Korvel</translation>
    </message>
</context>
<context>
    <name>AddPlayer</name>
    <message>
        <source>Intensity</source>
        <translation>Nasazení</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Rychlost</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Síla</translation>
    </message>
    <message>
        <source>Endurance</source>
        <translation>Vytrvalost</translation>
    </message>
    <message>
        <source>Durability</source>
        <translation>Odolnost</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Disciplína</translation>
    </message>
    <message>
        <source>Skating</source>
        <translation>Bruslení</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Přihrávky</translation>
    </message>
    <message>
        <source>Stickhandle</source>
        <translation>Práce s holí</translation>
    </message>
    <message>
        <source>Defence</source>
        <translation>Obrana</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Zakončení</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Zkušenost</translation>
    </message>
    <message>
        <source>Leadership</source>
        <translation>Vůdcovství</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Levá</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Pravá</translation>
    </message>
    <message>
        <source>Enter the player&apos;s name.</source>
        <translation>Zadejte jméno hráče.</translation>
    </message>
    <message>
        <source>The roster of %1 is full: all 50 places are taken.</source>
        <translation>Soupiska týmu %1 je plná: všech 50 míst je obsazeno.</translation>
    </message>
    <message>
        <source>Choose the player&apos;s position.</source>
        <translation>Zvolte post hráče.</translation>
    </message>
    <message>
        <source>%1 must be from %2 to %3.</source>
        <translation>%1: hodnota musí být od %2 do %3.</translation>
    </message>
    <message>
        <source>Add Player</source>
        <translation>Přidat hráče</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Číslo</translation>
    </message>
    <message>
        <source>Height (in)</source>
        <translation>Výška (palce)</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Hmotnost</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Věk</translation>
    </message>
    <message>
        <source>Rookie</source>
        <translation>Nováček</translation>
    </message>
    <message>
        <source>Salary</source>
        <translation>Plat</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Smlouva</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>AddPlayerForm</name>
    <message>
        <source>Player</source>
        <translation>Hráč</translation>
    </message>
    <message>
        <source>First and last name</source>
        <translation>Jméno a příjmení</translation>
    </message>
    <message>
        <source> in</source>
        <translation> palců</translation>
    </message>
    <message>
        <source>Country of birth, three letters</source>
        <translation>Země narození, tři písmena</translation>
    </message>
    <message>
        <source>Rookie</source>
        <translation>Nováček</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Jméno</translation>
    </message>
    <message>
        <source>&amp;Position</source>
        <translation>&amp;Post</translation>
    </message>
    <message>
        <source>N&amp;umber</source>
        <translation>Čís&amp;lo</translation>
    </message>
    <message>
        <source>&amp;Hand</source>
        <translation>&amp;Hůl</translation>
    </message>
    <message>
        <source>Hei&amp;ght</source>
        <translation>&amp;Výška</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>&amp;Hmotnost</translation>
    </message>
    <message>
        <source>&amp;Age</source>
        <translation>V&amp;ěk</translation>
    </message>
    <message>
        <source>&amp;Birthplace</source>
        <translation>&amp;Místo narození</translation>
    </message>
    <message>
        <source>&amp;Salary</source>
        <translation>Pl&amp;at</translation>
    </message>
    <message>
        <source>&amp;Contract</source>
        <translation>&amp;Smlouva</translation>
    </message>
    <message>
        <source>Skills (0 to 99)</source>
        <translation>Dovednosti (0 až 99)</translation>
    </message>
</context>
<context>
    <name>CandidateTable</name>
    <message>
        <source>Not in the lines shown</source>
        <translation>Není v zobrazených formacích</translation>
    </message>
    <message>
        <source>In one place of the lines shown</source>
        <translation>Na jednom místě zobrazených formací</translation>
    </message>
    <message>
        <source>In several places of the lines shown</source>
        <translation>Na několika místech zobrazených formací</translation>
    </message>
</context>
<context>
    <name>Commit</name>
    <message>
        <source>%1. A save that Korvel could not finish waits in %2 with every file it names, and is finished the next time Korvel starts in this folder; until then no league is loaded here</source>
        <translation>%1. Uložení, které Korvel nemohl dokončit, čeká v %2 se všemi soubory, které uvádí, a dokončí se při příštím spuštění programu Korvel v této složce; do té doby se zde žádná liga nenačte</translation>
    </message>
</context>
<context>
    <name>DisplayTeam</name>
    <message>
        <source>Team Roster</source>
        <translation>Soupiska týmu</translation>
    </message>
    <message>
        <source>Team Name</source>
        <translation>Název týmu</translation>
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
        <translation>ZKRATKA</translation>
    </message>
    <message>
        <source>OWNER</source>
        <translation>MAJITEL</translation>
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
        <translation>TRENÉR</translation>
    </message>
    <message>
        <source>ARENA</source>
        <translation>STADION</translation>
    </message>
    <message>
        <source>SEATS</source>
        <translation>MÍSTA</translation>
    </message>
    <message>
        <source>TICKET $</source>
        <translation>VSTUPENKA $</translation>
    </message>
    <message>
        <source>GP</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>VG</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>OG</translation>
    </message>
    <message>
        <source>PP%</source>
        <translation>PH%</translation>
    </message>
    <message>
        <source>PK%</source>
        <translation>OS%</translation>
    </message>
    <message>
        <source>SF/G</source>
        <translation>S+/Z</translation>
    </message>
    <message>
        <source>SA/G</source>
        <translation>S-/Z</translation>
    </message>
    <message>
        <source>PIM/G</source>
        <translation>TM/Z</translation>
    </message>
    <message>
        <source>Average Height</source>
        <translation>Průměrná výška</translation>
    </message>
    <message>
        <source>Average Weight</source>
        <translation>Průměrná hmotnost</translation>
    </message>
    <message>
        <source>Average Age</source>
        <translation>Průměrný věk</translation>
    </message>
    <message>
        <source>Pro Players</source>
        <translation>Hráči A-týmu</translation>
    </message>
    <message>
        <source>Farm Players</source>
        <translation>Hráči farmy</translation>
    </message>
    <message>
        <source>Projected Free Agents</source>
        <translation>Očekávaní volní hráči</translation>
    </message>
    <message>
        <source>Revenue/Game</source>
        <translation>Příjmy/zápas</translation>
    </message>
    <message>
        <source>Estimated Revenue</source>
        <translation>Odhadované příjmy</translation>
    </message>
    <message>
        <source>Expenses/Game</source>
        <translation>Výdaje/zápas</translation>
    </message>
    <message>
        <source>Projected Expenses</source>
        <translation>Očekávané výdaje</translation>
    </message>
    <message>
        <source>Projected Balance</source>
        <translation>Očekávaný zůstatek</translation>
    </message>
    <message>
        <source>Current Finances</source>
        <translation>Současné finance</translation>
    </message>
    <message>
        <source>Home Games Remaining</source>
        <translation>Zbývající domácí zápasy</translation>
    </message>
    <message>
        <source>Games Remaining</source>
        <translation>Zbývající zápasy</translation>
    </message>
    <message>
        <source>Team Info</source>
        <translation>Informace o týmu</translation>
    </message>
</context>
<context>
    <name>DisplayTeamForm</name>
    <message>
        <source>The team&apos;s name as the league stores it.</source>
        <translation>Název týmu, jak ho ukládá liga.</translation>
    </message>
    <message>
        <source>The conference the team plays in.</source>
        <translation>Konference, ve které tým hraje.</translation>
    </message>
    <message>
        <source>The team&apos;s division within its conference.</source>
        <translation>Divize týmu v jeho konferenci.</translation>
    </message>
    <message>
        <source>The team&apos;s three-letter abbreviation.</source>
        <translation>Třípísmenná zkratka týmu.</translation>
    </message>
    <message>
        <source>The team&apos;s owner.</source>
        <translation>Majitel týmu.</translation>
    </message>
    <message>
        <source>The league files keep no e-mail address.</source>
        <translation>Soubory ligy neukládají žádnou e-mailovou adresu.</translation>
    </message>
    <message>
        <source>The owner&apos;s ICQ number.</source>
        <translation>Číslo ICQ majitele.</translation>
    </message>
    <message>
        <source>The head coach. Half of his salary is a season expense.</source>
        <translation>Hlavní trenér. Polovina jeho platu je výdajem sezony.</translation>
    </message>
    <message>
        <source>The team&apos;s home arena.</source>
        <translation>Domácí stadion týmu.</translation>
    </message>
    <message>
        <source>Seats in the arena.</source>
        <translation>Místa na stadionu.</translation>
    </message>
    <message>
        <source>Price of one ticket, in dollars.</source>
        <translation>Cena jedné vstupenky v dolarech.</translation>
    </message>
    <message>
        <source>Games played: wins + losses + ties.</source>
        <translation>Odehrané zápasy: výhry + prohry + remízy.</translation>
    </message>
    <message>
        <source>Wins.</source>
        <translation>Výhry.</translation>
    </message>
    <message>
        <source>Losses.</source>
        <translation>Prohry.</translation>
    </message>
    <message>
        <source>Ties.</source>
        <translation>Remízy.</translation>
    </message>
    <message>
        <source>Goals scored.</source>
        <translation>Vstřelené góly.</translation>
    </message>
    <message>
        <source>Goals allowed.</source>
        <translation>Obdržené góly.</translation>
    </message>
    <message>
        <source>Power-play goals per 100 power plays, cut to one decimal. Empty until the team has had a power play.</source>
        <translation>Góly v přesilové hře na 100 přesilovek, oříznuto na jedno desetinné místo. Prázdné, dokud tým nehrál přesilovku.</translation>
    </message>
    <message>
        <source>Per cent of times shorthanded without a goal against, cut to one decimal.</source>
        <translation>Procento oslabení bez obdrženého gólu, oříznuto na jedno desetinné místo.</translation>
    </message>
    <message>
        <source>Shots on goal per game played.</source>
        <translation>Střely na branku na odehraný zápas.</translation>
    </message>
    <message>
        <source>Shots against per game played.</source>
        <translation>Střely soupeře na odehraný zápas.</translation>
    </message>
    <message>
        <source>Penalty minutes per game played.</source>
        <translation>Trestné minuty na odehraný zápas.</translation>
    </message>
    <message>
        <source>Average height of the pro players, in the league&apos;s units.</source>
        <translation>Průměrná výška hráčů A-týmu v jednotkách ligy.</translation>
    </message>
    <message>
        <source>Average weight of the pro players, in the league&apos;s units.</source>
        <translation>Průměrná hmotnost hráčů A-týmu v jednotkách ligy.</translation>
    </message>
    <message>
        <source>Average age of the pro players.</source>
        <translation>Průměrný věk hráčů A-týmu.</translation>
    </message>
    <message>
        <source>Players on the pro roster, dressed or scratched, injured or not.</source>
        <translation>Hráči na soupisce A-týmu, v sestavě i mimo ni, zranění i zdraví.</translation>
    </message>
    <message>
        <source>Healthy players with the farm club.</source>
        <translation>Zdraví hráči na farmě.</translation>
    </message>
    <message>
        <source>Not worked out: the league files do not say whose contracts end.</source>
        <translation>Nepočítá se: soubory ligy neříkají, komu končí smlouva.</translation>
    </message>
    <message>
        <source>Gate revenue of one home game.</source>
        <translation>Příjmy ze vstupného jednoho domácího zápasu.</translation>
    </message>
    <message>
        <source>Revenue still to come: home games remaining x revenue per game. Nothing before the season starts.</source>
        <translation>Příjmy, které ještě přijdou: zbývající domácí zápasy x příjmy na zápas. Před začátkem sezony nic.</translation>
    </message>
    <message>
        <source>Season expenses (pro salaries, a tenth of each healthy farm player&apos;s salary, half the coach&apos;s salary) spread over 84 games.</source>
        <translation>Výdaje sezony (platy A-týmu, desetina platu každého zdravého hráče farmy, polovina platu trenéra) rozložené na 84 zápasů.</translation>
    </message>
    <message>
        <source>Expenses still to come: games remaining x expenses per game. Nothing before the season starts.</source>
        <translation>Výdaje, které ještě přijdou: zbývající zápasy x výdaje na zápas. Před začátkem sezony nic.</translation>
    </message>
    <message>
        <source>Current finances + estimated revenue - projected expenses, from the amounts shown. Red when the team ends the season in the red.</source>
        <translation>Současné finance + odhadované příjmy - očekávané výdaje ze zobrazených částek. Červeně, když tým skončí sezonu ve ztrátě.</translation>
    </message>
    <message>
        <source>The team&apos;s money now.</source>
        <translation>Peníze týmu teď.</translation>
    </message>
    <message>
        <source>Half the season&apos;s games less the home games played.</source>
        <translation>Polovina zápasů sezony minus odehrané domácí zápasy.</translation>
    </message>
    <message>
        <source>The season&apos;s games per team less the games played. Negative when the team has played more games than the season has.</source>
        <translation>Zápasy sezony na tým minus odehrané zápasy. Záporné, když tým odehrál více zápasů, než má sezona.</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Výdaje</translation>
    </message>
    <message>
        <source>Current finances, estimated revenue, projected expenses and projected balance, as shown above. Amounts below zero hang under the line.</source>
        <translation>Současné finance, odhadované příjmy, očekávané výdaje a očekávaný zůstatek, jak jsou uvedeny výše. Částky pod nulou visí pod čarou.</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Teď</translation>
    </message>
    <message>
        <source>Revenue</source>
        <translation>Příjmy</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Zůstatek</translation>
    </message>
    <message>
        <source>FINANCES</source>
        <translation>FINANCE</translation>
    </message>
    <message>
        <source>ROSTER</source>
        <translation>SOUPISKA</translation>
    </message>
    <message>
        <source>RECORD AND STATISTICS</source>
        <translation>BILANCE A STATISTIKY</translation>
    </message>
    <message>
        <source>Team &amp;Lines</source>
        <translation>&amp;Formace týmu</translation>
    </message>
    <message>
        <source>Team &amp;Roster</source>
        <translation>&amp;Soupiska týmu</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>STRENGTH</source>
        <translation>SÍLA</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot be written (Input/output error)</source>
        <translation>nelze zapsat (chyba vstupu/výstupu)</translation>
    </message>
    <message>
        <source>is not a whole Korvel commit journal; remove it to go on</source>
        <translation>není celý deník ukládání programu Korvel; odstraňte ho a pokračujte</translation>
    </message>
    <message>
        <source>cannot be replaced (%1)</source>
        <translation>nelze nahradit (%1)</translation>
    </message>
    <message>
        <source>cannot be removed (%1)</source>
        <translation>nelze odstranit (%1)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>was replaced but not flushed to disk (%1)</source>
        <translation>byl nahrazen, ale nezapsán na disk (%1)</translation>
    </message>
    <message>
        <source>cannot be flushed to disk (%1)</source>
        <translation>nelze zapsat na disk (%1)</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>je složka, ne soubor</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>nelze zapsat (%1)</translation>
    </message>
    <message>
        <source>cannot be written in place (%1)</source>
        <translation>nelze přepsat na místě (%1)</translation>
    </message>
    <message>
        <source>The folder %1 is in use by another Korvel program. Close it, or start Korvel in another folder.</source>
        <translation>Složku %1 používá jiný program Korvel. Zavřete ho, nebo spusťte Korvel v jiné složce.</translation>
    </message>
    <message>
        <source>%1; Korvel does not work in a start folder it cannot lock. Remove it, or start Korvel in another folder.</source>
        <translation>%1; Korvel nepracuje ve výchozí složce, kterou nemůže zamknout. Odstraňte soubor, nebo spusťte Korvel v jiné složce.</translation>
    </message>
    <message>
        <source>is a symbolic link, not a file</source>
        <translation>je symbolický odkaz, ne soubor</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>nelze otevřít (%1)</translation>
    </message>
    <message>
        <source>is not a normal file</source>
        <translation>není běžný soubor</translation>
    </message>
    <message>
        <source>cannot be locked (%1)</source>
        <translation>nelze zamknout (%1)</translation>
    </message>
    <message>
        <source>is held by another Korvel program</source>
        <translation>drží jiný program Korvel</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>soubor nenalezen</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>nelze přečíst (%1)</translation>
    </message>
    <message>
        <source>is a pipe, not a file</source>
        <translation>je roura, ne soubor</translation>
    </message>
    <message>
        <source>is a device, not a file</source>
        <translation>je zařízení, ne soubor</translation>
    </message>
    <message>
        <source>reading failed (%1)</source>
        <translation>čtení selhalo (%1)</translation>
    </message>
    <message>
        <source>is being saved by another Korvel program; try again when it is done</source>
        <translation>právě ukládá jiný program Korvel; zkuste to znovu, až skončí</translation>
    </message>
    <message>
        <source>is cut short</source>
        <translation>je zkrácen</translation>
    </message>
    <message>
        <source>is damaged (a part longer than a league has)</source>
        <translation>je poškozen (část delší, než má liga)</translation>
    </message>
    <message>
        <source>is not a game-day history of Korvel</source>
        <translation>není historie hracích dnů programu Korvel</translation>
    </message>
    <message>
        <source>is cut short or damaged (its checksum does not match)</source>
        <translation>je zkrácen nebo poškozen (kontrolní součet nesouhlasí)</translation>
    </message>
    <message>
        <source>is damaged (too many leagues)</source>
        <translation>je poškozen (příliš mnoho lig)</translation>
    </message>
    <message>
        <source>is damaged (too many game days)</source>
        <translation>je poškozen (příliš mnoho hracích dnů)</translation>
    </message>
    <message>
        <source>is damaged (bytes after its end)</source>
        <translation>je poškozen (bajty za koncem)</translation>
    </message>
    <message>
        <source>holds no league path (binary or overlong first line)</source>
        <translation>neobsahuje cestu k lize (binární nebo příliš dlouhý první řádek)</translation>
    </message>
    <message>
        <source>holds the game days of another league under %1 (%2)</source>
        <translation>obsahuje hrací dny jiné ligy pod %1 (%2)</translation>
    </message>
    <message>
        <source>is damaged (a league without game days)</source>
        <translation>je poškozen (liga bez hracích dnů)</translation>
    </message>
    <message>
        <source>no free name to set it aside under</source>
        <translation>není volné jméno, pod kterým ji odložit</translation>
    </message>
    <message>
        <source>is damaged (a number too long)</source>
        <translation>je poškozen (příliš dlouhé číslo)</translation>
    </message>
    <message>
        <source>is damaged (a game day larger than a league has)</source>
        <translation>je poškozen (hrací den větší, než liga má)</translation>
    </message>
    <message>
        <source>is damaged (a change of the wrong size)</source>
        <translation>je poškozen (změna nesprávné velikosti)</translation>
    </message>
    <message>
        <source>is damaged (a change past the end)</source>
        <translation>je poškozen (změna za koncem)</translation>
    </message>
    <message>
        <source>is damaged (a change of an unknown kind)</source>
        <translation>je poškozen (změna neznámého druhu)</translation>
    </message>
    <message>
        <source>was written by a newer Korvel (format %1)</source>
        <translation>byl zapsán novějším programem Korvel (formát %1)</translation>
    </message>
    <message>
        <source>is damaged (an index longer than it can be)</source>
        <translation>je poškozen (rejstřík delší, než může být)</translation>
    </message>
    <message>
        <source>is damaged (bytes after its index)</source>
        <translation>je poškozen (bajty za jeho rejstříkem)</translation>
    </message>
    <message>
        <source>is damaged (bytes after a game day)</source>
        <translation>je poškozen (bajty za hracím dnem)</translation>
    </message>
    <message>
        <source>is damaged (bytes after the season)</source>
        <translation>je poškozen (bajty za sezonou)</translation>
    </message>
    <message>
        <source>is damaged (bytes after a change)</source>
        <translation>je poškozen (bajty za změnou)</translation>
    </message>
</context>
<context>
    <name>GameDayBriefing</name>
    <message>
        <source>not injured</source>
        <translation>nezraněn</translation>
    </message>
    <message>
        <source>day-to-day</source>
        <translation>den ode dne</translation>
    </message>
    <message>
        <source>1-2 weeks</source>
        <translation>1-2 týdny</translation>
    </message>
    <message>
        <source>2-4 weeks</source>
        <translation>2-4 týdny</translation>
    </message>
    <message>
        <source>4-6 weeks</source>
        <translation>4-6 týdnů</translation>
    </message>
    <message>
        <source>2-4 months</source>
        <translation>2-4 měsíce</translation>
    </message>
    <message>
        <source>indefinitely</source>
        <translation>na neurčito</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s)</source>
        <translation>
            <numerusform>%n zápas</numerusform>
            <numerusform>%n zápasy</numerusform>
            <numerusform>%n zápasů</numerusform>
        </translation>
    </message>
    <message>
        <source>%1-%2-%3, %4 PTS, GF %5, GA %6</source>
        <translation>%1-%2-%3, %4 B, VG %5, OG %6</translation>
    </message>
    <message>
        <source>in no division</source>
        <translation>v žádné divizi</translation>
    </message>
    <message>
        <source>%1th in the division</source>
        <translation>%1. v divizi</translation>
    </message>
    <message>
        <source>%1st in the division</source>
        <translation>%1. v divizi</translation>
    </message>
    <message>
        <source>%1nd in the division</source>
        <translation>%1. v divizi</translation>
    </message>
    <message>
        <source>%1rd in the division</source>
        <translation>%1. v divizi</translation>
    </message>
    <message>
        <source>Hurt: %1, %2</source>
        <translation>Zraněn: %1, %2</translation>
    </message>
    <message>
        <source>Healed: %1, was %2</source>
        <translation>Uzdraven: %1, byl %2</translation>
    </message>
    <message>
        <source>Changed: %1, %2, was %3</source>
        <translation>Změna: %1, %2, bylo %3</translation>
    </message>
    <message>
        <source>Suspended: %1, %2</source>
        <translation>Distanc: %1, %2</translation>
    </message>
    <message>
        <source>Back from suspension: %1, was %2</source>
        <translation>Zpět po distancu: %1, byl %2</translation>
    </message>
    <message>
        <source>%1, %2, OV %3 OF %4 DF %5</source>
        <translation>%1, %2, CEL %3 ÚT %4 OBR %5</translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <translation>%1 (bylo %2)</translation>
    </message>
    <message>
        <source>Briefing: %1</source>
        <translation>Přehled: %1</translation>
    </message>
    <message>
        <source>%1 since the last game day</source>
        <translation>%1 od posledního hracího dne</translation>
    </message>
    <message>
        <source>%1: first visit, no earlier game day to compare</source>
        <translation>%1: první návštěva, žádný dřívější hrací den k porovnání</translation>
    </message>
    <message>
        <source>Record: %1</source>
        <translation>Bilance: %1</translation>
    </message>
    <message>
        <source>Rank: %1</source>
        <translation>Pořadí: %1</translation>
    </message>
    <message>
        <source>Injuries</source>
        <translation>Zranění</translation>
    </message>
    <message>
        <source>Suspensions</source>
        <translation>Distanc</translation>
    </message>
    <message>
        <source>Arrived</source>
        <translation>Příchody</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Odchody</translation>
    </message>
    <message>
        <source>New on waivers</source>
        <translation>Nově na listině waivers</translation>
    </message>
    <message>
        <source>Ready for the next game</source>
        <translation>Připraveni na příští zápas</translation>
    </message>
    <message>
        <source>known from the next game day on</source>
        <translation>známo od příštího hracího dne</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>beze změny</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>nikdo</translation>
    </message>
    <message>
        <source>yes, ready for the league</source>
        <translation>ano, připraven pro ligu</translation>
    </message>
    <message>
        <source>On waivers</source>
        <translation>Na listině waivers</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>left %1</source>
        <translation>odešel z %1</translation>
    </message>
    <message>
        <source>on waivers</source>
        <translation>na listině waivers</translation>
    </message>
    <message>
        <source>Briefing</source>
        <translation>Přehled</translation>
    </message>
    <message>
        <source>Show at start</source>
        <translation>Zobrazit při spuštění</translation>
    </message>
    <message>
        <source>Season so far…</source>
        <translation>Dosavadní sezona…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
</context>
<context>
    <name>GameDayBriefingForm</name>
    <message>
        <source>Open the briefing by itself when a load finds a new game day.</source>
        <translation>Otevřít přehled sám od sebe, když načtení najde nový hrací den.</translation>
    </message>
    <message>
        <source>The team&apos;s run, each player&apos;s form, absences and the waiver wire.</source>
        <translation>Výsledková křivka týmu, forma každého hráče, absence a listina waivers.</translation>
    </message>
    <message>
        <source>Enter or a double click opens what the entry leads to.</source>
        <translation>Enter nebo dvojklik otevře to, kam položka vede.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Korvel Help</source>
        <translation>Nápověda Korvel</translation>
    </message>
    <message>
        <source>The manual is not installed: Korvel looked for %1 in the data folders of the system and beside the program.</source>
        <translation>Příručka není nainstalována: Korvel hledal %1 v datových složkách systému a vedle programu.</translation>
    </message>
</context>
<context>
    <name>Import Lines</name>
    <message>
        <source>%1 holds the lines of team number %2, which this league does not have.</source>
        <translation>%1 obsahuje formace týmu číslo %2, který tato liga nemá.</translation>
    </message>
    <message>
        <source>%1 holds the lines of %2, saved with another password than the team&apos;s lines password.</source>
        <translation>%1 obsahuje formace týmu %2, uložené s jiným heslem, než je heslo formací týmu.</translation>
    </message>
    <message>
        <source>%1 holds the lines of %2, not of %3.</source>
        <translation>%1 obsahuje formace týmu %2, ne týmu %3.</translation>
    </message>
</context>
<context>
    <name>League</name>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n hráč</numerusform>
            <numerusform>%n hráči</numerusform>
            <numerusform>%n hráčů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n player(s) too many</source>
        <translation>
            <numerusform>%n hráč navíc</numerusform>
            <numerusform>%n hráči navíc</numerusform>
            <numerusform>%n hráčů navíc</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2 too many</source>
        <translation>%1 %2 navíc</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Celkem</translation>
    </message>
    <message>
        <source>row %1 column %2</source>
        <translation>řádek %1 sloupec %2</translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation>%1 obsahuje %2</translation>
    </message>
    <message>
        <source>%1 names %2</source>
        <translation>%1 uvádí %2</translation>
    </message>
    <message>
        <source>An entry names no player of the team (%1).</source>
        <translation>Položka neuvádí žádného hráče týmu (%1).</translation>
    </message>
    <message>
        <source>The lines are not complete (%1 is empty).</source>
        <translation>Formace nejsou úplné (%1 je prázdné).</translation>
    </message>
    <message>
        <source>An injured player stands dressed and healthy in the file (%1): the import would call the lines not valid.</source>
        <translation>Zraněný hráč je v souboru v sestavě jako zdravý (%1): import by formace označil za neplatné.</translation>
    </message>
    <message numerus="yes">
        <source>%n players are dressed; a game roster has %1.</source>
        <translation>
            <numerusform>V sestavě je %n hráč; sestava na zápas má %1.</numerusform>
            <numerusform>V sestavě jsou %n hráči; sestava na zápas má %1.</numerusform>
            <numerusform>V sestavě je %n hráčů; sestava na zápas má %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The password is not the lines password of %1.</source>
        <translation>Heslo není heslem formací týmu %1.</translation>
    </message>
    <message>
        <source>A player in the lines is not dressed in the file (%1).</source>
        <translation>Hráč ve formacích není v souboru v sestavě (%1).</translation>
    </message>
    <message>
        <source>The file holds %1 bytes; a lines file holds %2.</source>
        <translation>Soubor má %1 bajtů; soubor formací má %2.</translation>
    </message>
    <message>
        <source>Team %1 is not in the league (teams 0 to %2).</source>
        <translation>Tým %1 není v lize (týmy 0 až %2).</translation>
    </message>
    <message>
        <source>%1: too short for a %2 (%3 bytes, one record is %4)</source>
        <translation>%1: příliš krátký pro %2 (%3 bajtů, jeden záznam má %4)</translation>
    </message>
    <message>
        <source>league record</source>
        <translation>záznam ligy</translation>
    </message>
    <message>
        <source>%1: names %2 teams; a league holds at most %3</source>
        <translation>%1: uvádí %2 týmů; liga má nejvýše %3</translation>
    </message>
    <message>
        <source>%1: too short for the %2 teams of the league (%3 bytes, one team record is %4)</source>
        <translation>%1: příliš krátký pro %2 týmů ligy (%3 bajtů, jeden záznam týmu má %4)</translation>
    </message>
    <message>
        <source>%1: shorter than the league needs (%2 bytes of %3): the players of %4 team are missing, and it loads with empty places.</source>
        <translation>%1: kratší, než liga potřebuje (%2 bajtů z %3): chybí hráči %4 týmu, který se načte s prázdnými místy.</translation>
    </message>
    <message>
        <source>%1: shorter than the league needs (%2 bytes of %3): the players of %4 teams are missing, and they load with empty places.</source>
        <translation>%1: kratší, než liga potřebuje (%2 bajtů z %3): chybí hráči %4 týmů, které se načtou s prázdnými místy.</translation>
    </message>
    <message>
        <source>The start folder %1 must be writable: Korvel keeps its working copies of the league there.

%2</source>
        <translation>Do výchozí složky %1 musí jít zapisovat: Korvel v ní uchovává pracovní kopie ligy.

%2</translation>
    </message>
    <message>
        <source>The league %1 could not be loaded.

%2</source>
        <translation>Ligu %1 nelze načíst.

%2</translation>
    </message>
    <message>
        <source>The game days of this league could not be read: %1</source>
        <translation>Hrací dny této ligy nelze přečíst: %1</translation>
    </message>
    <message>
        <source>This game day could not be kept for the next briefing: %1</source>
        <translation>Tento hrací den nelze uchovat pro příští přehled: %1</translation>
    </message>
    <message>
        <source>The game-day history %1 %2. It was set aside as %3, and the briefing starts afresh.</source>
        <translation>Historie hracích dnů %1 %2. Byla odložena jako %3 a přehled začíná znovu.</translation>
    </message>
    <message>
        <source>The game-day history %1 %2 and could not be set aside (%3); the briefing starts afresh and the file is left as it is.</source>
        <translation>Historie hracích dnů %1 %2 a nešlo ji odložit (%3); přehled začíná znovu a soubor zůstává, jak je.</translation>
    </message>
    <message>
        <source>The game-day history %1 %2.</source>
        <translation>Historie hracích dnů %1 %2.</translation>
    </message>
</context>
<context>
    <name>Lines</name>
    <message>
        <source>Lines for %1</source>
        <translation>Formace: %1</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Zpět: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Znovu: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Znovu</translation>
    </message>
    <message>
        <source>Even Strength Lines</source>
        <translation>Formace v plném počtu</translation>
    </message>
    <message>
        <source>Power Play Lines</source>
        <translation>Přesilovkové formace</translation>
    </message>
    <message>
        <source>Penalty Kill Lines</source>
        <translation>Formace pro oslabení</translation>
    </message>
    <message>
        <source>Password?</source>
        <translation>Heslo?</translation>
    </message>
    <message>
        <source>Save Lines</source>
        <translation>Uložit formace</translation>
    </message>
    <message>
        <source>Import Lines</source>
        <translation>Načíst formace</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Všechny soubory</translation>
    </message>
    <message>
        <source>Lines Files</source>
        <translation>Soubory formací</translation>
    </message>
    <message>
        <source>Edit Lines</source>
        <translation>Upravit formace</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Brankář</translation>
    </message>
    <message>
        <source>Extra Skaters</source>
        <translation>Náhradníci</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>5 na 5</translation>
    </message>
    <message>
        <source>PP</source>
        <translation>PH</translation>
    </message>
    <message>
        <source>PK</source>
        <translation>OS</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Load Lines</source>
        <translation>Načíst formace</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Úpravy</translation>
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
        <translation>Enter nebo mezerník: umístit sem hráče vybraného v seznamu
Delete: vyprázdnit místo
Šipky: na další místo; Alt+šipka: vyměnit s ním
X: označit místo, pak X na jiném místě obě vymění
F6: do seznamu a zpět
Přetažením na jiné místo se obě vymění</translation>
    </message>
    <message>
        <source>Click to redraw the lines</source>
        <translation>Klepnutím překreslíte formace</translation>
    </message>
    <message>
        <source>F6: to the slots and back</source>
        <translation>F6: k místům a zpět</translation>
    </message>
    <message>
        <source>Roster order</source>
        <translation>Pořadí soupisky</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Post</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Celkově</translation>
    </message>
    <message>
        <source>Offence</source>
        <translation>Útok</translation>
    </message>
    <message>
        <source>Defence</source>
        <translation>Obrana</translation>
    </message>
    <message>
        <source>The order of the players (Alt+B); a click on a column header does the same</source>
        <translation>Pořadí hráčů (Alt+B); klepnutí na záhlaví sloupce udělá totéž</translation>
    </message>
    <message>
        <source>Pick a player, then press Enter on a slot (F6 goes there), click it or drag him onto it.</source>
        <translation>Vyberte hráče, pak stiskněte Enter na místě (F6 tam přejde), klepněte na ně nebo na ně hráče přetáhněte.</translation>
    </message>
    <message>
        <source>Show or hide this position in the list</source>
        <translation>Zobrazit nebo skrýt tento post v seznamu</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>Řadit &amp;podle:</translation>
    </message>
    <message>
        <source>Even strength lines</source>
        <translation>Formace v plném počtu</translation>
    </message>
    <message>
        <source>Power play lines</source>
        <translation>Přesilovkové formace</translation>
    </message>
    <message>
        <source>Penalty kill lines</source>
        <translation>Formace pro oslabení</translation>
    </message>
    <message>
        <source>Set all lines automatically</source>
        <translation>Sestavit všechny formace automaticky</translation>
    </message>
    <message>
        <source>Import a lines file</source>
        <translation>Načíst soubor formací</translation>
    </message>
    <message>
        <source>Save the lines file for the league</source>
        <translation>Uložit soubor formací pro ligu</translation>
    </message>
    <message>
        <source>Keep or drop the changes and close</source>
        <translation>Ponechat nebo zahodit změny a zavřít</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Load League</source>
        <translation>Načíst ligu</translation>
    </message>
    <message>
        <source>View Team</source>
        <translation>Zobrazit tým</translation>
    </message>
    <message>
        <source>Set Game Roster</source>
        <translation>Sestava na zápas</translation>
    </message>
    <message>
        <source>Set Lines</source>
        <translation>Sestavit formace</translation>
    </message>
    <message>
        <source>Briefing</source>
        <translation>Přehled</translation>
    </message>
    <message>
        <source>League Name</source>
        <translation>Název ligy</translation>
    </message>
    <message>
        <source>Conference 1</source>
        <translation>Konference 1</translation>
    </message>
    <message>
        <source>Conference 2</source>
        <translation>Konference 2</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Načíst</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Manažer</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Tabulka</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Trenér</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>The league&apos;s files changed on disk since they were loaded.</source>
        <translation>Soubory ligy se od načtení na disku změnily.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Načíst znovu</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Sezona</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Load this league, as Load does</source>
        <translation>Načíst tuto ligu, jako to dělá Načíst</translation>
    </message>
    <message>
        <source>Loads the league again from its files, as File &gt; Load does (F5).</source>
        <translation>Znovu načte ligu z jejích souborů, jako Soubor &gt; Načíst (F5).</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>O &amp;Qt</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>Korvel &amp;Help</source>
        <translation>&amp;Nápověda Korvel</translation>
    </message>
    <message>
        <source>Open a league with File &gt; Load</source>
        <translation>Otevřete ligu přes Soubor &gt; Načíst</translation>
    </message>
    <message>
        <source>No team in the divisions shown</source>
        <translation>V zobrazených divizích není žádný tým</translation>
    </message>
    <message>
        <source>Select a team</source>
        <translation>Vyberte tým</translation>
    </message>
    <message>
        <source>Current team: %1</source>
        <translation>Aktuální tým: %1</translation>
    </message>
    <message>
        <source>%1 will load when the open window closes.</source>
        <translation>%1 se načte, až se otevřené okno zavře.</translation>
    </message>
</context>
<context>
    <name>PlayerInfo</name>
    <message>
        <source>POS</source>
        <translation>POST</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>ČÍS</translation>
    </message>
    <message>
        <source>HD</source>
        <translation>HŮL</translation>
    </message>
    <message>
        <source>HGT</source>
        <translation>VÝŠKA</translation>
    </message>
    <message>
        <source>WGT</source>
        <translation>HMOT</translation>
    </message>
    <message>
        <source>AGE</source>
        <translation>VĚK</translation>
    </message>
    <message>
        <source>STS</source>
        <translation>STAV</translation>
    </message>
    <message>
        <source>CON</source>
        <translation>SML</translation>
    </message>
    <message>
        <source>Birthplace</source>
        <translation>Místo narození</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Smlouva</translation>
    </message>
    <message>
        <source>Salary $</source>
        <translation>Plat $</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Nasazení</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Rychlost</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Síla</translation>
    </message>
    <message>
        <source>Endurance</source>
        <translation>Vytrvalost</translation>
    </message>
    <message>
        <source>Durability</source>
        <translation>Odolnost</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Disciplína</translation>
    </message>
    <message>
        <source>Skating</source>
        <translation>Bruslení</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Přihrávky</translation>
    </message>
    <message>
        <source>Stickhandle</source>
        <translation>Práce s holí</translation>
    </message>
    <message>
        <source>Defence</source>
        <translation>Obrana</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Zakončení</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Zkušenost</translation>
    </message>
    <message>
        <source>Leadership</source>
        <translation>Vůdcovství</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Celkově</translation>
    </message>
    <message>
        <source>GP</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>PIM</source>
        <translation>TM</translation>
    </message>
    <message>
        <source>GAA</source>
        <translation>POG</translation>
    </message>
    <message>
        <source>PPG</source>
        <translation>GPH</translation>
    </message>
    <message>
        <source>SHG</source>
        <translation>GOS</translation>
    </message>
    <message>
        <source>GW</source>
        <translation>RG</translation>
    </message>
    <message>
        <source>GT</source>
        <translation>VYR</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Střely</translation>
    </message>
    <message>
        <source>Sh%</source>
        <translation>Ú%</translation>
    </message>
    <message>
        <source>Sv%</source>
        <translation>Z%</translation>
    </message>
    <message>
        <source>Injured %1</source>
        <translation>Zraněn %1</translation>
    </message>
    <message numerus="yes">
        <source>Suspended %n games</source>
        <translation>
            <numerusform>Distanc na %n zápas</numerusform>
            <numerusform>Distanc na %n zápasy</numerusform>
            <numerusform>Distanc na %n zápasů</numerusform>
        </translation>
    </message>
    <message>
        <source>Healthy</source>
        <translation>Zdráv</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Rookie</source>
        <translation>Nováček</translation>
    </message>
    <message>
        <source>Veteran</source>
        <translation>Veterán</translation>
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
        <translation>Karta hráče</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
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
        <translation>DOVEDNOSTI</translation>
    </message>
    <message>
        <source>SEASON STATISTICS</source>
        <translation>STATISTIKY SEZONY</translation>
    </message>
    <message>
        <source>Click, or press Space, to switch between feet and centimetres</source>
        <translation>Klepnutím nebo mezerníkem přepnete mezi stopami a centimetry</translation>
    </message>
</context>
<context>
    <name>QtUi</name>
    <message>
        <source>Open &amp;Folder</source>
        <translation>Otevřít &amp;složku</translation>
    </message>
    <message>
        <source>The folder %1 could not be opened: the desktop has no program that shows folders, or it refused.</source>
        <translation>Složku %1 nelze otevřít: pracovní prostředí nemá program, který zobrazuje složky, nebo ho odmítl.</translation>
    </message>
</context>
<context>
    <name>RatedPlayerTable</name>
    <message>
        <source>Player</source>
        <translation>Hráč</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Post</translation>
    </message>
    <message>
        <source>OV</source>
        <translation>CEL</translation>
    </message>
    <message>
        <source>OF</source>
        <translation>ÚT</translation>
    </message>
    <message>
        <source>DF</source>
        <translation>OBR</translation>
    </message>
    <message>
        <source>The player as listed; the mark tells how often he stands in the lines shown</source>
        <translation>Hráč podle soupisky; značka říká, jak často je v zobrazených formacích</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Post</translation>
    </message>
    <message>
        <source>Overall rating</source>
        <translation>Celkové hodnocení</translation>
    </message>
    <message>
        <source>Offence rating</source>
        <translation>Hodnocení útoku</translation>
    </message>
    <message>
        <source>Defence rating</source>
        <translation>Hodnocení obrany</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Chybí</translation>
    </message>
    <message>
        <source>The player as listed; * marks a protected player or a rookie in the protection view</source>
        <translation>Hráč podle soupisky; * označuje v pohledu ochrany chráněného hráče nebo nováčka</translation>
    </message>
    <message>
        <source>Injury code and games suspended</source>
        <translation>Kód zranění a zápasy distancu</translation>
    </message>
    <message>
        <source>Injury code and games suspended: out of the next game</source>
        <translation>Kód zranění a zápasy distancu: chybí v příštím zápase</translation>
    </message>
</context>
<context>
    <name>Readiness</name>
    <message>
        <source>Ready for the league</source>
        <translation>Připraven pro ligu</translation>
    </message>
    <message>
        <source>Not ready for the league: %1</source>
        <translation>Nepřipraven pro ligu: %1</translation>
    </message>
    <message numerus="yes">
        <source>Not ready for the league (%n problems): %1</source>
        <translation>
            <numerusform>Nepřipraven pro ligu (%n problém): %1</numerusform>
            <numerusform>Nepřipraven pro ligu (%n problémy): %1</numerusform>
            <numerusform>Nepřipraven pro ligu (%n problémů): %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 is hurt (%2) and dressed</source>
        <translation>%1 je zraněn (%2) a je v sestavě</translation>
    </message>
    <message numerus="yes">
        <source>%1 is suspended (%n game(s)) and dressed</source>
        <translation>
            <numerusform>%1 má distanc (%n zápas) a je v sestavě</numerusform>
            <numerusform>%1 má distanc (%n zápasy) a je v sestavě</numerusform>
            <numerusform>%1 má distanc (%n zápasů) a je v sestavě</numerusform>
        </translation>
    </message>
    <message>
        <source>The game roster needs %1 more %2</source>
        <translation>Sestavě chybí ještě %1 %2</translation>
    </message>
    <message>
        <source>The game roster has %1 %2; it takes %3</source>
        <translation>Sestava má %1 %2; má jich mít %3</translation>
    </message>
    <message numerus="yes">
        <source>%n dressed player(s) can play; a game roster has %1</source>
        <translation>
            <numerusform>%n hráč v sestavě může hrát; sestava má %1</numerusform>
            <numerusform>%n hráči v sestavě mohou hrát; sestava má %1</numerusform>
            <numerusform>%n hráčů v sestavě může hrát; sestava má %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 je prázdné</translation>
    </message>
    <message>
        <source>%1 names no player of the team</source>
        <translation>%1 neuvádí žádného hráče týmu</translation>
    </message>
    <message>
        <source>%1: %2 is not dressed</source>
        <translation>%1: %2 není v sestavě</translation>
    </message>
    <message>
        <source>Injury %1</source>
        <translation>Zranění %1</translation>
    </message>
    <message>
        <source>Susp %1</source>
        <translation>Dist %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The password is not the lines password of %1.</source>
        <translation>Heslo není heslem formací týmu %1.</translation>
    </message>
</context>
<context>
    <name>ReadinessLabel</name>
    <message>
        <source>Warning</source>
        <translation>Varování</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>Roster of the %1</source>
        <translation>Soupiska: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n Total Players</source>
        <translation>
            <numerusform>Celkem %n hráč</numerusform>
            <numerusform>Celkem %n hráči</numerusform>
            <numerusform>Celkem %n hráčů</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Zpět: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Znovu: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Znovu</translation>
    </message>
    <message>
        <source>Missing: %1</source>
        <translation>Chybí: %1</translation>
    </message>
    <message>
        <source>Set Game Roster</source>
        <translation>Sestava na zápas</translation>
    </message>
    <message>
        <source>Roster Complete</source>
        <translation>Sestava kompletní</translation>
    </message>
    <message>
        <source>Game Roster</source>
        <translation>Sestava na zápas</translation>
    </message>
    <message>
        <source>Scratches</source>
        <translation>Mimo sestavu</translation>
    </message>
    <message>
        <source>Farm Roster</source>
        <translation>Farma</translation>
    </message>
    <message>
        <source>Scratch</source>
        <translation>Vyřadit</translation>
    </message>
    <message>
        <source>Dress</source>
        <translation>Do sestavy</translation>
    </message>
    <message>
        <source>To Farm</source>
        <translation>Na farmu</translation>
    </message>
    <message>
        <source>To Pros</source>
        <translation>Povolat</translation>
    </message>
    <message>
        <source>0 Total Players</source>
        <translation>Celkem 0 hráčů</translation>
    </message>
    <message>
        <source>Protect</source>
        <translation>Chránit</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Add Player</source>
        <translation>Přidat hráče</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Úpravy</translation>
    </message>
    <message numerus="yes">
        <source>%n players</source>
        <translation>
            <numerusform>%n hráč</numerusform>
            <numerusform>%n hráči</numerusform>
            <numerusform>%n hráčů</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <translation>Přesunout %1 → %2</translation>
    </message>
    <message>
        <source>Add player to %1</source>
        <translation>Přidat hráče do týmu %1</translation>
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
        <translation>Vyřadit vybrané hráče ze sestavy</translation>
    </message>
    <message>
        <source>Dress the selected scratches</source>
        <translation>Zařadit vybrané hráče mimo sestavu do sestavy</translation>
    </message>
    <message>
        <source>Send the selected scratches to the farm club</source>
        <translation>Poslat vybrané hráče mimo sestavu na farmu</translation>
    </message>
    <message>
        <source>Call the selected farm players up</source>
        <translation>Povolat vybrané hráče z farmy</translation>
    </message>
    <message>
        <source>Show or hide this position in the lists</source>
        <translation>Zobrazit nebo skrýt tento post v seznamech</translation>
    </message>
    <message>
        <source>Protection view: * marks protected players and rookies; a double click or Enter on a player protects him or lifts his protection</source>
        <translation>Pohled ochrany: * označuje chráněné hráče a nováčky; dvojité klepnutí nebo Enter na hráči ho ochrání nebo ochranu zruší</translation>
    </message>
    <message>
        <source>Dress 20 players automatically %1</source>
        <translation>Automaticky zařadit 20 hráčů do sestavy %1</translation>
    </message>
    <message>
        <source>Add a new player to the farm club %1</source>
        <translation>Přidat nového hráče na farmu %1</translation>
    </message>
    <message>
        <source>Keep or drop the changes and close %1</source>
        <translation>Ponechat nebo zahodit změny a zavřít %1</translation>
    </message>
    <message>
        <source>Dressed players at this position against the game-roster rule</source>
        <translation>Hráči v sestavě na tomto postu oproti pravidlu sestavy</translation>
    </message>
    <message>
        <source>Dressed players in all against the game-roster rule</source>
        <translation>Hráči v sestavě celkem oproti pravidlu sestavy</translation>
    </message>
</context>
<context>
    <name>RosterTable</name>
    <message>
        <source>Roster order</source>
        <translation>Pořadí soupisky</translation>
    </message>
</context>
<context>
    <name>Save Lines</name>
    <message>
        <source>The lines were not saved: the lines files of %1 and %2 would be one file, %3, on a disk that ignores case (as Windows does). Rename one of the teams.</source>
        <translation>Formace nebyly uloženy: soubory formací týmů %1 a %2 by byly jedním souborem, %3, na disku, který nerozlišuje velká a malá písmena (jako Windows). Přejmenujte jeden z týmů.</translation>
    </message>
</context>
<context>
    <name>Season</name>
    <message>
        <source>one game day kept: the season view starts here</source>
        <translation>uchován jeden hrací den: přehled sezony začíná zde</translation>
    </message>
    <message>
        <source>Points and goal difference by game day.</source>
        <translation>Body a rozdíl skóre podle hracích dnů.</translation>
    </message>
    <message>
        <source>Rank %1 in the division.</source>
        <translation>%1. místo v divizi.</translation>
    </message>
    <message>
        <source>Skaters</source>
        <translation>Hráči v poli</translation>
    </message>
    <message>
        <source>Goalies</source>
        <translation>Brankáři</translation>
    </message>
    <message>
        <source>Absences</source>
        <translation>Absence</translation>
    </message>
    <message>
        <source>Waiver wire</source>
        <translation>Listina waivers</translation>
    </message>
    <message>
        <source>Enter or a double click opens the player&apos;s card.</source>
        <translation>Enter nebo dvojklik otevře kartu hráče.</translation>
    </message>
    <message>
        <source>&amp;Goalies</source>
        <translation>&amp;Brankáři</translation>
    </message>
    <message>
        <source>&amp;Absences</source>
        <translation>&amp;Absence</translation>
    </message>
    <message>
        <source>&amp;Waiver wire (better than your weakest dressed)</source>
        <translation>&amp;Listina waivers (lepší než váš nejslabší v sestavě)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Post</translation>
    </message>
    <message>
        <source>▲ hot: the most points of the span among those who played; ▼ cold: the fewest.</source>
        <translation>▲ v laufu: nejvíc bodů za období mezi těmi, kdo hráli; ▼ bez formy: nejméně.</translation>
    </message>
    <message>
        <source>Click a heading to sort; Enter or a double click opens the card.</source>
        <translation>Klepnutím na záhlaví seřadíte; Enter nebo dvojklik otevře kartu.</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>V laufu</translation>
    </message>
    <message>
        <source>Cold</source>
        <translation>Bez formy</translation>
    </message>
    <message numerus="yes">
        <source>%1: the season so far, %n game day(s) kept</source>
        <translation>
            <numerusform>%1: dosavadní sezona, uchován %n hrací den</numerusform>
            <numerusform>%1: dosavadní sezona, uchovány %n hrací dny</numerusform>
            <numerusform>%1: dosavadní sezona, uchováno %n hracích dnů</numerusform>
        </translation>
    </message>
    <message>
        <source>Now %1-%2-%3, %4 PTS, goal difference %5, %6; %7 PTS since day %8</source>
        <translation>Nyní %1-%2-%3, %4 B, rozdíl skóre %5, %6; %7 B od dne %8</translation>
    </message>
    <message numerus="yes">
        <source>Form over the last %n game day(s)</source>
        <translation>
            <numerusform>Forma za poslední %n hrací den</numerusform>
            <numerusform>Forma za poslední %n hrací dny</numerusform>
            <numerusform>Forma za posledních %n hracích dnů</numerusform>
        </translation>
    </message>
    <message>
        <source>hurt (%1)</source>
        <translation>zraněn (%1)</translation>
    </message>
    <message numerus="yes">
        <source>suspended %n game(s)</source>
        <translation>
            <numerusform>distanc na %n zápas</numerusform>
            <numerusform>distanc na %n zápasy</numerusform>
            <numerusform>distanc na %n zápasů</numerusform>
        </translation>
    </message>
    <message>
        <source>days %1 to %2</source>
        <translation>dny %1 až %2</translation>
    </message>
    <message>
        <source>since day %1, still out</source>
        <translation>od dne %1, stále chybí</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Nikdo</translation>
    </message>
    <message>
        <source>%1 (%2) OV %3, OF %4, DF %5</source>
        <translation>%1 (%2) CEL %3, ÚT %4, OBR %5</translation>
    </message>
    <message>
        <source>%1: better than %2 (OV %3)</source>
        <translation>%1: lepší než %2 (CEL %3)</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Sezona</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
</context>
<context>
    <name>SlotEditing</name>
    <message>
        <source>Clear Slot</source>
        <translation>Vyprázdnit místo</translation>
    </message>
</context>
<context>
    <name>SlotLabel</name>
    <message>
        <source>empty</source>
        <translation>prázdné</translation>
    </message>
    <message>
        <source>Out of the next game: %1</source>
        <translation>Chybí v příštím zápase: %1</translation>
    </message>
</context>
<context>
    <name>Standings</name>
    <message>
        <source>Unlisted: %1</source>
        <translation>Nezařazené: %1</translation>
    </message>
    <message>
        <source>Conference %1</source>
        <translation>Konference %1</translation>
    </message>
    <message>
        <source>Division %1</source>
        <translation>Divize %1</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Tabulka</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
</context>
<context>
    <name>StandingsForm</name>
    <message>
        <source>Rank</source>
        <translation>Poř</translation>
    </message>
    <message>
        <source>Place in the division: points, then wins, then goal difference.</source>
        <translation>Pořadí v divizi: body, pak výhry, pak rozdíl skóre.</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Tým</translation>
    </message>
    <message>
        <source>Double click or Enter makes the team current.</source>
        <translation>Dvojité klepnutí nebo Enter udělá z týmu aktuální tým.</translation>
    </message>
    <message>
        <source>GP</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Games played: W + L + T.</source>
        <translation>Zápasy: V + P + R.</translation>
    </message>
    <message>
        <source>W</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Wins.</source>
        <translation>Výhry.</translation>
    </message>
    <message>
        <source>L</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Losses.</source>
        <translation>Prohry.</translation>
    </message>
    <message>
        <source>T</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Ties.</source>
        <translation>Remízy.</translation>
    </message>
    <message>
        <source>PTS</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Points: 2 for a win, 1 for a tie.</source>
        <translation>Body: 2 za výhru, 1 za remízu.</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>VG</translation>
    </message>
    <message>
        <source>Goals for.</source>
        <translation>Vstřelené góly.</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>OG</translation>
    </message>
    <message>
        <source>Goals against.</source>
        <translation>Obdržené góly.</translation>
    </message>
    <message>
        <source>DIFF</source>
        <translation>ROZ</translation>
    </message>
    <message>
        <source>Goal difference: GF - GA.</source>
        <translation>Rozdíl skóre: VG - OG.</translation>
    </message>
    <message>
        <source>Teams whose conference or division the league does not have.</source>
        <translation>Týmy, jejichž konferenci nebo divizi liga nemá.</translation>
    </message>
</context>
<context>
    <name>StrengthChart</name>
    <message>
        <source>Mean overall rating of the best players of each position that a game roster asks for (3 C, 3 LW, 3 RW, 6 D, 1 G). Solid bar and first number: the dressed players. Pale bar and second number: the whole pro roster.</source>
        <translation>Průměrné celkové hodnocení nejlepších hráčů každého postu, které sestava na zápas vyžaduje (3 C, 3 LK, 3 PK, 6 O, 1 B). Plný pruh a první číslo: hráči v sestavě. Bledý pruh a druhé číslo: celá soupiska A-týmu.</translation>
    </message>
    <message>
        <source> (%1 of %2)</source>
        <translation> (%1 z %2)</translation>
    </message>
    <message>
        <source>dressed | pro roster</source>
        <translation>v sestavě | A-tým</translation>
    </message>
</context>
<context>
    <name>TeamSession</name>
    <message>
        <source>Not enough players</source>
        <translation>Nedostatek hráčů</translation>
    </message>
    <message>
        <source>Auto Roster</source>
        <translation>Automatická sestava</translation>
    </message>
    <message>
        <source>Auto roster</source>
        <translation>Automatická sestava</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Vyprázdnit %1</translation>
    </message>
    <message>
        <source>Swap %1 and %2</source>
        <translation>Vyměnit %1 a %2</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>1. formace</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>2. formace</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>3. formace</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>4. formace</translation>
    </message>
    <message>
        <source>PP Line 1 (5 on 4)</source>
        <translation>PH 1 (5 na 4)</translation>
    </message>
    <message>
        <source>PP Line 2 (5 on 4)</source>
        <translation>PH 2 (5 na 4)</translation>
    </message>
    <message>
        <source>PP Line 1 (4 on 3)</source>
        <translation>PH 1 (4 na 3)</translation>
    </message>
    <message>
        <source>PP Line 2 (4 on 3)</source>
        <translation>PH 2 (4 na 3)</translation>
    </message>
    <message>
        <source>PK Line 1 (4 on 5)</source>
        <translation>OS 1 (4 na 5)</translation>
    </message>
    <message>
        <source>PK Line 2 (4 on 5)</source>
        <translation>OS 2 (4 na 5)</translation>
    </message>
    <message>
        <source>PK Line 1 (3 on 5)</source>
        <translation>OS 1 (3 na 5)</translation>
    </message>
    <message>
        <source>PK Line 2 (3 on 5)</source>
        <translation>OS 2 (3 na 5)</translation>
    </message>
    <message>
        <source>Goalie / Extra Skaters</source>
        <translation>Brankář / náhradníci</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Brankář</translation>
    </message>
    <message>
        <source>Extra Skater %1</source>
        <translation>Náhradník %1</translation>
    </message>
    <message>
        <source>Goalie row spare</source>
        <translation>Rezerva v řadě brankářů</translation>
    </message>
    <message>
        <source>%1 spare</source>
        <translation>%1 rezerva</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Save Lines</source>
        <translation>Uložit formace</translation>
    </message>
    <message>
        <source>Import Lines</source>
        <translation>Načíst formace</translation>
    </message>
    <message>
        <source>The password cannot hold &quot;%1&quot;: a lines file keeps only characters of the Windows-1252 set.</source>
        <translation>Heslo nesmí obsahovat „%1“: soubor formací uchovává jen znaky sady Windows-1252.</translation>
    </message>
    <message>
        <source>The password does not match the lines password of %1. Save anyway?</source>
        <translation>Heslo neodpovídá heslu formací týmu %1. Přesto uložit?</translation>
    </message>
    <message>
        <source>The lines were not saved.
%1</source>
        <translation>Formace nebyly uloženy.
%1</translation>
    </message>
    <message>
        <source>Lines saved as %1</source>
        <translation>Formace uloženy jako %1</translation>
    </message>
    <message>
        <source>Lines Saved</source>
        <translation>Formace uloženy</translation>
    </message>
    <message>
        <source>Errors in File</source>
        <translation>Chyby v souboru</translation>
    </message>
    <message>
        <source>Invalid File</source>
        <translation>Neplatný soubor</translation>
    </message>
    <message>
        <source>Password Incorrect</source>
        <translation>Nesprávné heslo</translation>
    </message>
    <message>
        <source>Load Lines</source>
        <translation>Načíst formace</translation>
    </message>
    <message>
        <source>%1 lines are not valid</source>
        <translation>Formace týmu %1 nejsou platné</translation>
    </message>
    <message>
        <source>Invalid Lines</source>
        <translation>Neplatné formace</translation>
    </message>
    <message>
        <source>Scratch %1</source>
        <translation>Vyřadit %1</translation>
    </message>
    <message>
        <source>%1 is unavailable</source>
        <translation>%1 není k dispozici</translation>
    </message>
    <message>
        <source>Dress %1</source>
        <translation>Zařadit %1 do sestavy</translation>
    </message>
    <message>
        <source>%1 cannot be sent to farm</source>
        <translation>%1 nemůže být poslán na farmu</translation>
    </message>
    <message>
        <source>Send %1 to farm</source>
        <translation>Poslat %1 na farmu</translation>
    </message>
    <message>
        <source>Call up %1</source>
        <translation>Povolat %1</translation>
    </message>
    <message>
        <source>Unprotect %1</source>
        <translation>Zrušit ochranu: %1</translation>
    </message>
    <message>
        <source>Protect %1</source>
        <translation>Chránit %1</translation>
    </message>
    <message>
        <source>The lines files of %1 and %2 would both be %3; rename one of the teams.</source>
        <translation>Soubory formací týmů %1 a %2 by byly oba %3; přejmenujte jeden z týmů.</translation>
    </message>
    <message>
        <source>Roster not complete</source>
        <translation>Sestava není kompletní</translation>
    </message>
    <message>
        <source>Set roster first</source>
        <translation>Nejprve sestavte sestavu</translation>
    </message>
    <message>
        <source>Auto Lines</source>
        <translation>Automatické formace</translation>
    </message>
    <message>
        <source>Auto lines</source>
        <translation>Automatické formace</translation>
    </message>
    <message>
        <source>Put %1 in %2</source>
        <translation>Umístit %1 na %2</translation>
    </message>
    <message>
        <source>Lines are not complete</source>
        <translation>Formace nejsou úplné</translation>
    </message>
    <message>
        <source>Keep Roster Changes?</source>
        <translation>Ponechat změny sestavy?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Ponechat změny</translation>
    </message>
    <message>
        <source>Keep Line Changes?</source>
        <translation>Ponechat změny formací?</translation>
    </message>
    <message>
        <source>Edit Roster</source>
        <translation>Upravit sestavu</translation>
    </message>
    <message>
        <source>Edit Lines</source>
        <translation>Upravit formace</translation>
    </message>
    <message>
        <source>Changes were not saved</source>
        <translation>Změny nebyly uloženy</translation>
    </message>
    <message>
        <source>Put %1 on waivers?</source>
        <translation>Umístit %1 na listinu waivers?</translation>
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
        <translation>žádná</translation>
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
        <translation>Finance</translation>
    </message>
    <message>
        <source>Now %1; revenue %2; expenses %3; balance %4</source>
        <translation>Nyní %1; příjmy %2; výdaje %3; zůstatek %4</translation>
    </message>
</context>
<context>
    <name>korvel::LinesForm</name>
    <message>
        <source>Dressed players</source>
        <translation>Hráči v sestavě</translation>
    </message>
    <message>
        <source>Pick a player, then press Enter on a slot; F6 goes to the slots and back</source>
        <translation>Vyberte hráče a pak stiskněte Enter na místě; F6 přejde k místům a zpět</translation>
    </message>
</context>
<context>
    <name>korvel::MainForm</name>
    <message>
        <source>Divisions of %1</source>
        <translation>Divize: %1</translation>
    </message>
    <message>
        <source>Teams of %1</source>
        <translation>Týmy: %1</translation>
    </message>
</context>
<context>
    <name>korvel::RosterTable</name>
    <message>
        <source>available</source>
        <translation>k dispozici</translation>
    </message>
</context>
<context>
    <name>korvel::SkillBar</name>
    <message>
        <source>no rating</source>
        <translation>bez hodnocení</translation>
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
        <translation>Tabulka</translation>
    </message>
    <message>
        <source>Enter or a double click makes the team current</source>
        <translation>Enter nebo dvojklik učiní tým aktuálním</translation>
    </message>
    <message>
        <source>%1, current team</source>
        <translation>%1, aktuální tým</translation>
    </message>
</context>
<context>
    <name>korvel::StrengthChart</name>
    <message>
        <source>Strength by position</source>
        <translation>Síla podle postů</translation>
    </message>
    <message>
        <source>%1: dressed %2, pro roster %3</source>
        <translation>%1: v sestavě %2, soupiska A-týmu %3</translation>
    </message>
</context>
<context>
    <name>korvel::qt::SlotLabel</name>
    <message>
        <source>empty</source>
        <translation>prázdné</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, refused</source>
        <translation>%1, odmítnuto</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A second start in this folder cannot bring this window forward: %1</source>
        <translation>Druhé spuštění v této složce nemůže přenést toto okno do popředí: %1</translation>
    </message>
</context>
</TS>
