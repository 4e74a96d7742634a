<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>AboutBox</name>
    <message>
        <source>&lt;h3&gt;Korvel %1&lt;/h3&gt;&lt;p&gt;Prepares the game roster and the lines of an ice-hockey team for the league&apos;s next game.&lt;/p&gt;&lt;p&gt;Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later). Korvel comes with no warranty.&lt;/p&gt;&lt;p&gt;Built with:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Qt %2 (LGPL-3.0)&lt;/li&gt;&lt;li&gt;CLI11 (BSD-3-Clause), in korvel-cli and korvel-make-league&lt;/li&gt;&lt;li&gt;nlohmann/json (MIT), in korvel-cli&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Korvel %1&lt;/h3&gt;&lt;p&gt;Laatii jääkiekkojoukkueen ottelukokoonpanon ja kentät liigan seuraavaan otteluun.&lt;/p&gt;&lt;p&gt;Lisenssi: GNU General Public License, versio 3 tai uudempi (GPL-3.0-or-later). Korvelilla ei ole mitään takuuta.&lt;/p&gt;&lt;p&gt;Tehty käyttäen:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Qt %2 (LGPL-3.0)&lt;/li&gt;&lt;li&gt;CLI11 (BSD-3-Clause), ohjelmissa korvel-cli ja korvel-make-league&lt;/li&gt;&lt;li&gt;nlohmann/json (MIT), ohjelmassa korvel-cli&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>About Korvel</source>
        <translation>Tietoja Korvelista</translation>
    </message>
</context>
<context>
    <name>AddPlayer</name>
    <message>
        <source>Intensity</source>
        <translation>Intensiteetti</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Nopeus</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Voima</translation>
    </message>
    <message>
        <source>Endurance</source>
        <translation>Kestävyys</translation>
    </message>
    <message>
        <source>Durability</source>
        <translation>Kestävyys vammoille</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Kurinalaisuus</translation>
    </message>
    <message>
        <source>Skating</source>
        <translation>Luistelu</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Syöttäminen</translation>
    </message>
    <message>
        <source>Stickhandle</source>
        <translation>Mailankäsittely</translation>
    </message>
    <message>
        <source>Defence</source>
        <translation>Puolustus</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Maalintekotaito</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Kokemus</translation>
    </message>
    <message>
        <source>Leadership</source>
        <translation>Johtajuus</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vasen</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Oikea</translation>
    </message>
    <message>
        <source>Enter the player&apos;s name.</source>
        <translation>Kirjoita pelaajan nimi.</translation>
    </message>
    <message>
        <source>The roster of %1 is full: all 50 places are taken.</source>
        <translation>Joukkueen %1 pelaajalista on täynnä: kaikki 50 paikkaa ovat käytössä.</translation>
    </message>
    <message>
        <source>Choose the player&apos;s position.</source>
        <translation>Valitse pelaajan pelipaikka.</translation>
    </message>
    <message>
        <source>%1 must be from %2 to %3.</source>
        <translation>Kentän %1 arvon on oltava %2–%3.</translation>
    </message>
    <message>
        <source>Add Player</source>
        <translation>Lisää pelaaja</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Height (in)</source>
        <translation>Pituus (tuumaa)</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Paino</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Ikä</translation>
    </message>
    <message>
        <source>Rookie</source>
        <translation>Tulokas</translation>
    </message>
    <message>
        <source>Salary</source>
        <translation>Palkka</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Sopimus</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>AddPlayerForm</name>
    <message>
        <source>Player</source>
        <translation>Pelaaja</translation>
    </message>
    <message>
        <source>First and last name</source>
        <translation>Etu- ja sukunimi</translation>
    </message>
    <message>
        <source> in</source>
        <translation> tuumaa</translation>
    </message>
    <message>
        <source>Country of birth, three letters</source>
        <translation>Syntymämaa, kolme kirjainta</translation>
    </message>
    <message>
        <source>Rookie</source>
        <translation>Tulokas</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nimi</translation>
    </message>
    <message>
        <source>&amp;Position</source>
        <translation>&amp;Pelipaikka</translation>
    </message>
    <message>
        <source>N&amp;umber</source>
        <translation>N&amp;umero</translation>
    </message>
    <message>
        <source>&amp;Hand</source>
        <translation>&amp;Kätisyys</translation>
    </message>
    <message>
        <source>Hei&amp;ght</source>
        <translation>P&amp;ituus</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>Pai&amp;no</translation>
    </message>
    <message>
        <source>&amp;Age</source>
        <translation>I&amp;kä</translation>
    </message>
    <message>
        <source>&amp;Birthplace</source>
        <translation>&amp;Syntymäpaikka</translation>
    </message>
    <message>
        <source>&amp;Salary</source>
        <translation>Pa&amp;lkka</translation>
    </message>
    <message>
        <source>&amp;Contract</source>
        <translation>S&amp;opimus</translation>
    </message>
    <message>
        <source>Skills (0 to 99)</source>
        <translation>Taidot (0–99)</translation>
    </message>
</context>
<context>
    <name>CandidateTable</name>
    <message>
        <source>Not in the lines shown</source>
        <translation>Ei näytetyissä kentissä</translation>
    </message>
    <message>
        <source>In one place of the lines shown</source>
        <translation>Yhdellä paikalla näytetyissä kentissä</translation>
    </message>
    <message>
        <source>In several places of the lines shown</source>
        <translation>Usealla paikalla näytetyissä kentissä</translation>
    </message>
</context>
<context>
    <name>Commit</name>
    <message>
        <source>%1. A save that Korvel could not finish waits in %2 with every file it names, and is finished the next time Korvel starts in this folder; until then no league is loaded here</source>
        <translation>%1. Tallennus, jota Korvel ei saanut valmiiksi, odottaa tiedostossa %2 kaikkine siinä mainittuine tiedostoineen, ja se viedään loppuun, kun Korvel seuraavan kerran käynnistyy tässä kansiossa; siihen asti tähän kansioon ei ladata liigaa</translation>
    </message>
</context>
<context>
    <name>DisplayTeam</name>
    <message>
        <source>Team Roster</source>
        <translation>Joukkueen pelaajat</translation>
    </message>
    <message>
        <source>Team Name</source>
        <translation>Joukkueen nimi</translation>
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
        <translation>LYHENNE</translation>
    </message>
    <message>
        <source>OWNER</source>
        <translation>OMISTAJA</translation>
    </message>
    <message>
        <source>EMAIL</source>
        <translation>SÄHKÖPOSTI</translation>
    </message>
    <message>
        <source>ICQ#</source>
        <translation>ICQ#</translation>
    </message>
    <message>
        <source>COACH</source>
        <translation>VALMENTAJA</translation>
    </message>
    <message>
        <source>ARENA</source>
        <translation>AREENA</translation>
    </message>
    <message>
        <source>SEATS</source>
        <translation>PAIKAT</translation>
    </message>
    <message>
        <source>TICKET $</source>
        <translation>LIPPU $</translation>
    </message>
    <message>
        <source>GP</source>
        <translation>O</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>TM</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>PP%</source>
        <translation>YV%</translation>
    </message>
    <message>
        <source>PK%</source>
        <translation>AV%</translation>
    </message>
    <message>
        <source>SF/G</source>
        <translation>LT/O</translation>
    </message>
    <message>
        <source>SA/G</source>
        <translation>LP/O</translation>
    </message>
    <message>
        <source>PIM/G</source>
        <translation>RM/O</translation>
    </message>
    <message>
        <source>Average Height</source>
        <translation>Keskipituus</translation>
    </message>
    <message>
        <source>Average Weight</source>
        <translation>Keskipaino</translation>
    </message>
    <message>
        <source>Average Age</source>
        <translation>Keski-ikä</translation>
    </message>
    <message>
        <source>Pro Players</source>
        <translation>Ammattilaiset</translation>
    </message>
    <message>
        <source>Farm Players</source>
        <translation>Farmipelaajat</translation>
    </message>
    <message>
        <source>Projected Free Agents</source>
        <translation>Odotetut vapaat agentit</translation>
    </message>
    <message>
        <source>Revenue/Game</source>
        <translation>Tulot/ottelu</translation>
    </message>
    <message>
        <source>Estimated Revenue</source>
        <translation>Arvioidut tulot</translation>
    </message>
    <message>
        <source>Expenses/Game</source>
        <translation>Menot/ottelu</translation>
    </message>
    <message>
        <source>Projected Expenses</source>
        <translation>Odotetut menot</translation>
    </message>
    <message>
        <source>Projected Balance</source>
        <translation>Odotettu saldo</translation>
    </message>
    <message>
        <source>Current Finances</source>
        <translation>Nykyinen talous</translation>
    </message>
    <message>
        <source>Home Games Remaining</source>
        <translation>Kotiotteluita jäljellä</translation>
    </message>
    <message>
        <source>Games Remaining</source>
        <translation>Otteluita jäljellä</translation>
    </message>
    <message>
        <source>Team Info</source>
        <translation>Joukkueen tiedot</translation>
    </message>
</context>
<context>
    <name>DisplayTeamForm</name>
    <message>
        <source>The team&apos;s name as the league stores it.</source>
        <translation>Joukkueen nimi sellaisena kuin liiga sen tallentaa.</translation>
    </message>
    <message>
        <source>The conference the team plays in.</source>
        <translation>Konferenssi, jossa joukkue pelaa.</translation>
    </message>
    <message>
        <source>The team&apos;s division within its conference.</source>
        <translation>Joukkueen divisioona konferenssissaan.</translation>
    </message>
    <message>
        <source>The team&apos;s three-letter abbreviation.</source>
        <translation>Joukkueen kolmikirjaiminen lyhenne.</translation>
    </message>
    <message>
        <source>The team&apos;s owner.</source>
        <translation>Joukkueen omistaja.</translation>
    </message>
    <message>
        <source>The league files keep no e-mail address.</source>
        <translation>Liigan tiedostoissa ei ole sähköpostiosoitetta.</translation>
    </message>
    <message>
        <source>The owner&apos;s ICQ number.</source>
        <translation>Omistajan ICQ-numero.</translation>
    </message>
    <message>
        <source>The head coach. Half of his salary is a season expense.</source>
        <translation>Päävalmentaja. Puolet hänen palkastaan on kauden menoa.</translation>
    </message>
    <message>
        <source>The team&apos;s home arena.</source>
        <translation>Joukkueen kotiareena.</translation>
    </message>
    <message>
        <source>Seats in the arena.</source>
        <translation>Areenan istumapaikat.</translation>
    </message>
    <message>
        <source>Price of one ticket, in dollars.</source>
        <translation>Yhden lipun hinta dollareina.</translation>
    </message>
    <message>
        <source>Games played: wins + losses + ties.</source>
        <translation>Pelatut ottelut: voitot + tappiot + tasapelit.</translation>
    </message>
    <message>
        <source>Wins.</source>
        <translation>Voitot.</translation>
    </message>
    <message>
        <source>Losses.</source>
        <translation>Tappiot.</translation>
    </message>
    <message>
        <source>Ties.</source>
        <translation>Tasapelit.</translation>
    </message>
    <message>
        <source>Goals scored.</source>
        <translation>Tehdyt maalit.</translation>
    </message>
    <message>
        <source>Goals allowed.</source>
        <translation>Päästetyt maalit.</translation>
    </message>
    <message>
        <source>Power-play goals per 100 power plays, cut to one decimal. Empty until the team has had a power play.</source>
        <translation>Ylivoimamaalit 100 ylivoimaa kohti, katkaistu yhteen desimaaliin. Tyhjä, kunnes joukkue on pelannut ylivoimaa.</translation>
    </message>
    <message>
        <source>Per cent of times shorthanded without a goal against, cut to one decimal.</source>
        <translation>Prosenttiosuus alivoimista ilman päästettyä maalia, katkaistu yhteen desimaaliin.</translation>
    </message>
    <message>
        <source>Shots on goal per game played.</source>
        <translation>Laukaukset maalia kohti pelattua ottelua kohden.</translation>
    </message>
    <message>
        <source>Shots against per game played.</source>
        <translation>Vastustajan laukaukset pelattua ottelua kohden.</translation>
    </message>
    <message>
        <source>Penalty minutes per game played.</source>
        <translation>Rangaistusminuutit pelattua ottelua kohden.</translation>
    </message>
    <message>
        <source>Average height of the pro players, in the league&apos;s units.</source>
        <translation>Ammattilaisten keskipituus liigan yksiköissä.</translation>
    </message>
    <message>
        <source>Average weight of the pro players, in the league&apos;s units.</source>
        <translation>Ammattilaisten keskipaino liigan yksiköissä.</translation>
    </message>
    <message>
        <source>Average age of the pro players.</source>
        <translation>Ammattilaisten keski-ikä.</translation>
    </message>
    <message>
        <source>Players on the pro roster, dressed or scratched, injured or not.</source>
        <translation>Ammattilaisjoukkueen pelaajat, kokoonpanossa tai katsomossa, loukkaantuneina tai terveinä.</translation>
    </message>
    <message>
        <source>Healthy players with the farm club.</source>
        <translation>Terveet pelaajat farmijoukkueessa.</translation>
    </message>
    <message>
        <source>Not worked out: the league files do not say whose contracts end.</source>
        <translation>Ei laskettu: liigan tiedostot eivät kerro, kenen sopimukset päättyvät.</translation>
    </message>
    <message>
        <source>Gate revenue of one home game.</source>
        <translation>Yhden kotiottelun lipputulot.</translation>
    </message>
    <message>
        <source>Revenue still to come: home games remaining x revenue per game. Nothing before the season starts.</source>
        <translation>Vielä tulevat tulot: jäljellä olevat kotiottelut x tulot ottelua kohden. Ei mitään ennen kauden alkua.</translation>
    </message>
    <message>
        <source>Season expenses (pro salaries, a tenth of each healthy farm player&apos;s salary, half the coach&apos;s salary) spread over 84 games.</source>
        <translation>Kauden menot (ammattilaisten palkat, kymmenesosa jokaisen terveen farmipelaajan palkasta, puolet valmentajan palkasta) jaettuna 84 ottelulle.</translation>
    </message>
    <message>
        <source>Expenses still to come: games remaining x expenses per game. Nothing before the season starts.</source>
        <translation>Vielä tulevat menot: jäljellä olevat ottelut x menot ottelua kohden. Ei mitään ennen kauden alkua.</translation>
    </message>
    <message>
        <source>Current finances + estimated revenue - projected expenses, from the amounts shown. Red when the team ends the season in the red.</source>
        <translation>Nykyinen talous + arvioidut tulot - odotetut menot näytetyistä summista. Punainen, kun joukkue päättää kauden tappiolla.</translation>
    </message>
    <message>
        <source>The team&apos;s money now.</source>
        <translation>Joukkueen rahat nyt.</translation>
    </message>
    <message>
        <source>Half the season&apos;s games less the home games played.</source>
        <translation>Puolet kauden otteluista vähennettynä pelatuilla kotiotteluilla.</translation>
    </message>
    <message>
        <source>The season&apos;s games per team less the games played. Negative when the team has played more games than the season has.</source>
        <translation>Kauden ottelut joukkuetta kohden vähennettynä pelatuilla otteluilla. Negatiivinen, kun joukkue on pelannut enemmän otteluita kuin kaudessa on.</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Menot</translation>
    </message>
    <message>
        <source>Current finances, estimated revenue, projected expenses and projected balance, as shown above. Amounts below zero hang under the line.</source>
        <translation>Nykyinen talous, arvioidut tulot, odotetut menot ja odotettu saldo kuten yllä. Nollaa pienemmät summat roikkuvat viivan alla.</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nyt</translation>
    </message>
    <message>
        <source>Revenue</source>
        <translation>Tulot</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>FINANCES</source>
        <translation>TALOUS</translation>
    </message>
    <message>
        <source>ROSTER</source>
        <translation>PELAAJAT</translation>
    </message>
    <message>
        <source>RECORD AND STATISTICS</source>
        <translation>SAAVUTUKSET JA TILASTOT</translation>
    </message>
    <message>
        <source>Team &amp;Lines</source>
        <translation>Joukkueen &amp;kentät</translation>
    </message>
    <message>
        <source>Team &amp;Roster</source>
        <translation>Joukkueen &amp;pelaajat</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>STRENGTH</source>
        <translation>VAHVUUS</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot be written (Input/output error)</source>
        <translation>ei voi kirjoittaa (siirräntävirhe)</translation>
    </message>
    <message>
        <source>is not a whole Korvel commit journal; remove it to go on</source>
        <translation>ei ole kokonainen Korvelin tallennusloki; poista se jatkaaksesi</translation>
    </message>
    <message>
        <source>cannot be replaced (%1)</source>
        <translation>ei voi korvata (%1)</translation>
    </message>
    <message>
        <source>cannot be removed (%1)</source>
        <translation>ei voi poistaa (%1)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>was replaced but not flushed to disk (%1)</source>
        <translation>korvattiin mutta ei kirjoitettu levylle (%1)</translation>
    </message>
    <message>
        <source>cannot be flushed to disk (%1)</source>
        <translation>ei voi kirjoittaa levylle (%1)</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>on kansio, ei tiedosto</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>ei voi kirjoittaa (%1)</translation>
    </message>
    <message>
        <source>cannot be written in place (%1)</source>
        <translation>ei voi kirjoittaa paikalleen (%1)</translation>
    </message>
    <message>
        <source>The folder %1 is in use by another Korvel program. Close it, or start Korvel in another folder.</source>
        <translation>Kansio %1 on toisen Korvel-ohjelman käytössä. Sulje se tai käynnistä Korvel toisessa kansiossa.</translation>
    </message>
    <message>
        <source>%1; Korvel does not work in a start folder it cannot lock. Remove it, or start Korvel in another folder.</source>
        <translation>%1; Korvel ei toimi aloituskansiossa, jota se ei voi lukita. Poista tiedosto tai käynnistä Korvel toisessa kansiossa.</translation>
    </message>
    <message>
        <source>is a symbolic link, not a file</source>
        <translation>on symbolinen linkki, ei tiedosto</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>ei voi avata (%1)</translation>
    </message>
    <message>
        <source>is not a normal file</source>
        <translation>ei ole tavallinen tiedosto</translation>
    </message>
    <message>
        <source>cannot be locked (%1)</source>
        <translation>ei voi lukita (%1)</translation>
    </message>
    <message>
        <source>is held by another Korvel program</source>
        <translation>on toisen Korvel-ohjelman hallussa</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>tiedostoa ei löydy</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>ei voi lukea (%1)</translation>
    </message>
    <message>
        <source>is a pipe, not a file</source>
        <translation>on putki, ei tiedosto</translation>
    </message>
    <message>
        <source>is a device, not a file</source>
        <translation>on laite, ei tiedosto</translation>
    </message>
    <message>
        <source>reading failed (%1)</source>
        <translation>lukeminen epäonnistui (%1)</translation>
    </message>
    <message>
        <source>is being saved by another Korvel program; try again when it is done</source>
        <translation>toinen Korvel-ohjelma tallentaa sitä parhaillaan; yritä uudelleen, kun se on valmis</translation>
    </message>
    <message>
        <source>is cut short</source>
        <translation>on katkennut</translation>
    </message>
    <message>
        <source>is damaged (a part longer than a league has)</source>
        <translation>on vioittunut (osa pidempi kuin liigassa on)</translation>
    </message>
    <message>
        <source>is not a game-day history of Korvel</source>
        <translation>ei ole Korvelin otteluhistoria</translation>
    </message>
    <message>
        <source>is cut short or damaged (its checksum does not match)</source>
        <translation>on katkennut tai vioittunut (tarkistussumma ei täsmää)</translation>
    </message>
    <message>
        <source>is damaged (too many leagues)</source>
        <translation>on vioittunut (liikaa liigoja)</translation>
    </message>
    <message>
        <source>is damaged (too many game days)</source>
        <translation>on vioittunut (liikaa ottelupäiviä)</translation>
    </message>
    <message>
        <source>is damaged (bytes after its end)</source>
        <translation>on vioittunut (tavuja lopun jälkeen)</translation>
    </message>
    <message>
        <source>holds no league path (binary or overlong first line)</source>
        <translation>ei sisällä liigan polkua (binäärinen tai liian pitkä ensimmäinen rivi)</translation>
    </message>
    <message>
        <source>holds the game days of another league under %1 (%2)</source>
        <translation>sisältää toisen liigan ottelupäivät nimellä %1 (%2)</translation>
    </message>
    <message>
        <source>is damaged (a league without game days)</source>
        <translation>on vioittunut (liiga ilman ottelupäiviä)</translation>
    </message>
    <message>
        <source>no free name to set it aside under</source>
        <translation>ei vapaata nimeä sivuun siirtämistä varten</translation>
    </message>
    <message>
        <source>is damaged (a number too long)</source>
        <translation>on vioittunut (liian pitkä luku)</translation>
    </message>
    <message>
        <source>is damaged (a game day larger than a league has)</source>
        <translation>on vioittunut (ottelupäivä suurempi kuin liigalla on)</translation>
    </message>
    <message>
        <source>is damaged (a change of the wrong size)</source>
        <translation>on vioittunut (väärän kokoinen muutos)</translation>
    </message>
    <message>
        <source>is damaged (a change past the end)</source>
        <translation>on vioittunut (muutos lopun jälkeen)</translation>
    </message>
    <message>
        <source>is damaged (a change of an unknown kind)</source>
        <translation>on vioittunut (tuntematonta lajia oleva muutos)</translation>
    </message>
    <message>
        <source>was written by a newer Korvel (format %1)</source>
        <translation>on kirjoitettu uudemmalla Korvelilla (muoto %1)</translation>
    </message>
    <message>
        <source>is damaged (an index longer than it can be)</source>
        <translation>on vioittunut (hakemisto pidempi kuin se voi olla)</translation>
    </message>
    <message>
        <source>is damaged (bytes after its index)</source>
        <translation>on vioittunut (tavuja hakemiston jälkeen)</translation>
    </message>
    <message>
        <source>is damaged (bytes after a game day)</source>
        <translation>on vioittunut (tavuja ottelupäivän jälkeen)</translation>
    </message>
    <message>
        <source>is damaged (bytes after the season)</source>
        <translation>on vioittunut (tavuja kauden jälkeen)</translation>
    </message>
    <message>
        <source>is damaged (bytes after a change)</source>
        <translation>on vioittunut (tavuja muutoksen jälkeen)</translation>
    </message>
</context>
<context>
    <name>GameDayBriefing</name>
    <message>
        <source>not injured</source>
        <translation>ei loukkaantunut</translation>
    </message>
    <message>
        <source>day-to-day</source>
        <translation>päivä kerrallaan</translation>
    </message>
    <message>
        <source>1-2 weeks</source>
        <translation>1-2 viikkoa</translation>
    </message>
    <message>
        <source>2-4 weeks</source>
        <translation>2-4 viikkoa</translation>
    </message>
    <message>
        <source>4-6 weeks</source>
        <translation>4-6 viikkoa</translation>
    </message>
    <message>
        <source>2-4 months</source>
        <translation>2-4 kuukautta</translation>
    </message>
    <message>
        <source>indefinitely</source>
        <translation>toistaiseksi</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s)</source>
        <translation>
            <numerusform>%n ottelu</numerusform>
            <numerusform>%n ottelua</numerusform>
        </translation>
    </message>
    <message>
        <source>%1-%2-%3, %4 PTS, GF %5, GA %6</source>
        <translation>%1-%2-%3, %4 P, TM %5, PM %6</translation>
    </message>
    <message>
        <source>in no division</source>
        <translation>ei missään divisioonassa</translation>
    </message>
    <message>
        <source>%1th in the division</source>
        <translation>%1. divisioonassa</translation>
    </message>
    <message>
        <source>%1st in the division</source>
        <translation>%1. divisioonassa</translation>
    </message>
    <message>
        <source>%1nd in the division</source>
        <translation>%1. divisioonassa</translation>
    </message>
    <message>
        <source>%1rd in the division</source>
        <translation>%1. divisioonassa</translation>
    </message>
    <message>
        <source>Hurt: %1, %2</source>
        <translation>Loukkaantunut: %1, %2</translation>
    </message>
    <message>
        <source>Healed: %1, was %2</source>
        <translation>Parantunut: %1, oli %2</translation>
    </message>
    <message>
        <source>Changed: %1, %2, was %3</source>
        <translation>Muuttunut: %1, %2, oli %3</translation>
    </message>
    <message>
        <source>Suspended: %1, %2</source>
        <translation>Pelikiellossa: %1, %2</translation>
    </message>
    <message>
        <source>Back from suspension: %1, was %2</source>
        <translation>Palasi pelikiellosta: %1, oli %2</translation>
    </message>
    <message>
        <source>%1, %2, OV %3 OF %4 DF %5</source>
        <translation>%1, %2, KOK %3 HYÖ %4 PUO %5</translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <translation>%1 (oli %2)</translation>
    </message>
    <message>
        <source>Briefing: %1</source>
        <translation>Katsaus: %1</translation>
    </message>
    <message>
        <source>%1 since the last game day</source>
        <translation>%1 edellisen ottelupäivän jälkeen</translation>
    </message>
    <message>
        <source>%1: first visit, no earlier game day to compare</source>
        <translation>%1: ensimmäinen käynti, ei aiempaa ottelupäivää vertailtavaksi</translation>
    </message>
    <message>
        <source>Record: %1</source>
        <translation>Saldo: %1</translation>
    </message>
    <message>
        <source>Rank: %1</source>
        <translation>Sijoitus: %1</translation>
    </message>
    <message>
        <source>Injuries</source>
        <translation>Loukkaantumiset</translation>
    </message>
    <message>
        <source>Suspensions</source>
        <translation>Pelikiellot</translation>
    </message>
    <message>
        <source>Arrived</source>
        <translation>Tulleet</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Lähteneet</translation>
    </message>
    <message>
        <source>New on waivers</source>
        <translation>Uudet waiver-listalla</translation>
    </message>
    <message>
        <source>Ready for the next game</source>
        <translation>Valmis seuraavaan otteluun</translation>
    </message>
    <message>
        <source>known from the next game day on</source>
        <translation>tiedossa seuraavasta ottelupäivästä alkaen</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>ei muutoksia</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>ei ketään</translation>
    </message>
    <message>
        <source>yes, ready for the league</source>
        <translation>kyllä, valmis liigaan</translation>
    </message>
    <message>
        <source>On waivers</source>
        <translation>Waiver-listalla</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>left %1</source>
        <translation>lähti joukkueesta %1</translation>
    </message>
    <message>
        <source>on waivers</source>
        <translation>waiver-listalla</translation>
    </message>
    <message>
        <source>Briefing</source>
        <translation>Katsaus</translation>
    </message>
    <message>
        <source>Show at start</source>
        <translation>Näytä käynnistettäessä</translation>
    </message>
    <message>
        <source>Season so far…</source>
        <translation>Kausi tähän mennessä…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
</context>
<context>
    <name>GameDayBriefingForm</name>
    <message>
        <source>Open the briefing by itself when a load finds a new game day.</source>
        <translation>Avaa katsaus itsestään, kun lataus löytää uuden ottelupäivän.</translation>
    </message>
    <message>
        <source>The team&apos;s run, each player&apos;s form, absences and the waiver wire.</source>
        <translation>Joukkueen tulosvire, jokaisen pelaajan kunto, poissaolot ja waiver-lista.</translation>
    </message>
    <message>
        <source>Enter or a double click opens what the entry leads to.</source>
        <translation>Enter tai kaksoisnapsautus avaa sen, mihin rivi johtaa.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Korvel Help</source>
        <translation>Korvelin ohje</translation>
    </message>
    <message>
        <source>The manual is not installed: Korvel looked for %1 in the data folders of the system and beside the program.</source>
        <translation>Käyttöohjetta ei ole asennettu: Korvel etsi tiedostoa %1 järjestelmän datakansioista ja ohjelman vierestä.</translation>
    </message>
</context>
<context>
    <name>Import Lines</name>
    <message>
        <source>%1 holds the lines of team number %2, which this league does not have.</source>
        <translation>%1 sisältää joukkueen numero %2 kentät, mutta tässä liigassa ei ole sellaista joukkuetta.</translation>
    </message>
    <message>
        <source>%1 holds the lines of %2, saved with another password than the team&apos;s lines password.</source>
        <translation>%1 sisältää joukkueen %2 kentät, tallennettuina eri salasanalla kuin joukkueen kenttien salasana.</translation>
    </message>
    <message>
        <source>%1 holds the lines of %2, not of %3.</source>
        <translation>%1 sisältää joukkueen %2 kentät, ei joukkueen %3.</translation>
    </message>
</context>
<context>
    <name>League</name>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n pelaaja</numerusform>
            <numerusform>%n pelaajaa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n player(s) too many</source>
        <translation>
            <numerusform>%n pelaaja liikaa</numerusform>
            <numerusform>%n pelaajaa liikaa</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2 too many</source>
        <translation>%1 %2 liikaa</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Kaikki</translation>
    </message>
    <message>
        <source>row %1 column %2</source>
        <translation>rivi %1 sarake %2</translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation>%1 sisältää arvon %2</translation>
    </message>
    <message>
        <source>%1 names %2</source>
        <translation>%1 nimeää arvon %2</translation>
    </message>
    <message>
        <source>An entry names no player of the team (%1).</source>
        <translation>Merkintä ei nimeä ketään joukkueen pelaajaa (%1).</translation>
    </message>
    <message>
        <source>The lines are not complete (%1 is empty).</source>
        <translation>Kentät eivät ole valmiit (%1 on tyhjä).</translation>
    </message>
    <message>
        <source>An injured player stands dressed and healthy in the file (%1): the import would call the lines not valid.</source>
        <translation>Loukkaantunut pelaaja on tiedostossa kokoonpanossa ja terveenä (%1): tuonti hylkäisi kentät.</translation>
    </message>
    <message numerus="yes">
        <source>%n players are dressed; a game roster has %1.</source>
        <translation>
            <numerusform>%n pelaaja on kokoonpanossa; ottelukokoonpanossa on %1.</numerusform>
            <numerusform>%n pelaajaa on kokoonpanossa; ottelukokoonpanossa on %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The password is not the lines password of %1.</source>
        <translation>Salasana ei ole joukkueen %1 kenttien salasana.</translation>
    </message>
    <message>
        <source>A player in the lines is not dressed in the file (%1).</source>
        <translation>Kenttien pelaaja ei ole tiedostossa kokoonpanossa (%1).</translation>
    </message>
    <message>
        <source>The file holds %1 bytes; a lines file holds %2.</source>
        <translation>Tiedostossa on %1 tavua; kenttätiedostossa on %2.</translation>
    </message>
    <message>
        <source>Team %1 is not in the league (teams 0 to %2).</source>
        <translation>Joukkue %1 ei kuulu liigaan (joukkueet 0–%2).</translation>
    </message>
    <message>
        <source>%1: too short for a %2 (%3 bytes, one record is %4)</source>
        <translation>%1: liian lyhyt: %2 (%3 tavua, yksi tietue on %4)</translation>
    </message>
    <message>
        <source>league record</source>
        <translation>liigan tietue</translation>
    </message>
    <message>
        <source>%1: names %2 teams; a league holds at most %3</source>
        <translation>%1: nimeää %2 joukkuetta; liigassa on enintään %3</translation>
    </message>
    <message>
        <source>%1: too short for the %2 teams of the league (%3 bytes, one team record is %4)</source>
        <translation>%1: liian lyhyt liigan %2 joukkueelle (%3 tavua, yksi joukkuetietue on %4)</translation>
    </message>
    <message>
        <source>%1: shorter than the league needs (%2 bytes of %3): the players of %4 team are missing, and it loads with empty places.</source>
        <translation>%1: lyhyempi kuin liiga tarvitsee (%2/%3 tavua): %4 joukkueen pelaajat puuttuvat, ja se ladataan tyhjin paikoin.</translation>
    </message>
    <message>
        <source>%1: shorter than the league needs (%2 bytes of %3): the players of %4 teams are missing, and they load with empty places.</source>
        <translation>%1: lyhyempi kuin liiga tarvitsee (%2/%3 tavua): %4 joukkueen pelaajat puuttuvat, ja ne ladataan tyhjin paikoin.</translation>
    </message>
    <message>
        <source>The start folder %1 must be writable: Korvel keeps its working copies of the league there.

%2</source>
        <translation>Aloituskansioon %1 on voitava kirjoittaa: Korvel pitää siellä liigan työkopioita.

%2</translation>
    </message>
    <message>
        <source>The league %1 could not be loaded.

%2</source>
        <translation>Liigaa %1 ei voitu ladata.

%2</translation>
    </message>
    <message>
        <source>The game days of this league could not be read: %1</source>
        <translation>Tämän liigan ottelupäiviä ei voitu lukea: %1</translation>
    </message>
    <message>
        <source>This game day could not be kept for the next briefing: %1</source>
        <translation>Tätä ottelupäivää ei voitu säilyttää seuraavaa katsausta varten: %1</translation>
    </message>
    <message>
        <source>The game-day history %1 %2. It was set aside as %3, and the briefing starts afresh.</source>
        <translation>Otteluhistoria %1 %2. Se siirrettiin sivuun nimellä %3, ja katsaus alkaa alusta.</translation>
    </message>
    <message>
        <source>The game-day history %1 %2 and could not be set aside (%3); the briefing starts afresh and the file is left as it is.</source>
        <translation>Otteluhistoria %1 %2, eikä sitä voitu siirtää sivuun (%3); katsaus alkaa alusta ja tiedosto jätetään ennalleen.</translation>
    </message>
    <message>
        <source>The game-day history %1 %2.</source>
        <translation>Otteluhistoria %1 %2.</translation>
    </message>
</context>
<context>
    <name>Lines</name>
    <message>
        <source>Lines for %1</source>
        <translation>Kentät: %1</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Kumoa: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Kumoa</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Tee uudelleen: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Tee uudelleen</translation>
    </message>
    <message>
        <source>Even Strength Lines</source>
        <translation>Tasakentät</translation>
    </message>
    <message>
        <source>Power Play Lines</source>
        <translation>Ylivoimakentät</translation>
    </message>
    <message>
        <source>Penalty Kill Lines</source>
        <translation>Alivoimakentät</translation>
    </message>
    <message>
        <source>Password?</source>
        <translation>Salasana?</translation>
    </message>
    <message>
        <source>Save Lines</source>
        <translation>Tallenna kentät</translation>
    </message>
    <message>
        <source>Import Lines</source>
        <translation>Tuo kentät</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Kaikki tiedostot</translation>
    </message>
    <message>
        <source>Lines Files</source>
        <translation>Kenttätiedostot</translation>
    </message>
    <message>
        <source>Edit Lines</source>
        <translation>Muokkaa kenttiä</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Maalivahti</translation>
    </message>
    <message>
        <source>Extra Skaters</source>
        <translation>Lisäpelaajat</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>5–5</translation>
    </message>
    <message>
        <source>PP</source>
        <translation>YV</translation>
    </message>
    <message>
        <source>PK</source>
        <translation>AV</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Load Lines</source>
        <translation>Lataa kentät</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Muokkaa</translation>
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
        <translation>Enter tai välilyönti: aseta listasta valittu pelaaja tähän
Delete: tyhjennä paikka
Nuolet: seuraavaan paikkaan; Alt+nuoli: vaihda sen kanssa
X: merkitse paikka, sitten X toisella paikalla vaihtaa ne keskenään
F6: listaan ja takaisin
Vedä toiselle paikalle vaihtaaksesi ne keskenään</translation>
    </message>
    <message>
        <source>Click to redraw the lines</source>
        <translation>Napsauta piirtääksesi kentät uudelleen</translation>
    </message>
    <message>
        <source>F6: to the slots and back</source>
        <translation>F6: paikkoihin ja takaisin</translation>
    </message>
    <message>
        <source>Roster order</source>
        <translation>Pelaajalistan järjestys</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pelipaikka</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Kokonais</translation>
    </message>
    <message>
        <source>Offence</source>
        <translation>Hyökkäys</translation>
    </message>
    <message>
        <source>Defence</source>
        <translation>Puolustus</translation>
    </message>
    <message>
        <source>The order of the players (Alt+B); a click on a column header does the same</source>
        <translation>Pelaajien järjestys (Alt+B); sarakeotsikon napsautus tekee saman</translation>
    </message>
    <message>
        <source>Pick a player, then press Enter on a slot (F6 goes there), click it or drag him onto it.</source>
        <translation>Valitse pelaaja ja paina sitten Enter paikan kohdalla (F6 vie sinne), napsauta paikkaa tai vedä pelaaja sen päälle.</translation>
    </message>
    <message>
        <source>Show or hide this position in the list</source>
        <translation>Näytä tai piilota tämä pelipaikka listassa</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>&amp;Järjestys:</translation>
    </message>
    <message>
        <source>Even strength lines</source>
        <translation>Tasakentät</translation>
    </message>
    <message>
        <source>Power play lines</source>
        <translation>Ylivoimakentät</translation>
    </message>
    <message>
        <source>Penalty kill lines</source>
        <translation>Alivoimakentät</translation>
    </message>
    <message>
        <source>Set all lines automatically</source>
        <translation>Kokoa kaikki kentät automaattisesti</translation>
    </message>
    <message>
        <source>Import a lines file</source>
        <translation>Tuo kenttätiedosto</translation>
    </message>
    <message>
        <source>Save the lines file for the league</source>
        <translation>Tallenna kenttätiedosto liigalle</translation>
    </message>
    <message>
        <source>Keep or drop the changes and close</source>
        <translation>Säilytä tai hylkää muutokset ja sulje</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Load League</source>
        <translation>Lataa liiga</translation>
    </message>
    <message>
        <source>View Team</source>
        <translation>Näytä joukkue</translation>
    </message>
    <message>
        <source>Set Game Roster</source>
        <translation>Kokoa ottelukokoonpano</translation>
    </message>
    <message>
        <source>Set Lines</source>
        <translation>Kokoa kentät</translation>
    </message>
    <message>
        <source>Briefing</source>
        <translation>Katsaus</translation>
    </message>
    <message>
        <source>League Name</source>
        <translation>Liigan nimi</translation>
    </message>
    <message>
        <source>Conference 1</source>
        <translation>Konferenssi 1</translation>
    </message>
    <message>
        <source>Conference 2</source>
        <translation>Konferenssi 2</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Tiedosto</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Lataa</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Urheilutoimenjohtaja</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Sarjataulukko</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Valmentaja</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tietoja ohjelmasta</translation>
    </message>
    <message>
        <source>The league&apos;s files changed on disk since they were loaded.</source>
        <translation>Liigan tiedostot ovat muuttuneet levyllä latauksen jälkeen.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Lataa uudelleen</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Kausi</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Load this league, as Load does</source>
        <translation>Lataa tämä liiga kuten Lataa tekee</translation>
    </message>
    <message>
        <source>Loads the league again from its files, as File &gt; Load does (F5).</source>
        <translation>Lataa liigan uudelleen tiedostoistaan kuten Tiedosto &gt; Lataa (F5).</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Tietoja &amp;Qt:sta</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
    </message>
    <message>
        <source>Korvel &amp;Help</source>
        <translation>Korvelin &amp;ohje</translation>
    </message>
    <message>
        <source>Open a league with File &gt; Load</source>
        <translation>Avaa liiga valikosta Tiedosto &gt; Lataa</translation>
    </message>
    <message>
        <source>No team in the divisions shown</source>
        <translation>Näytetyissä divisioonissa ei ole joukkueita</translation>
    </message>
    <message>
        <source>Select a team</source>
        <translation>Valitse joukkue</translation>
    </message>
    <message>
        <source>Current team: %1</source>
        <translation>Nykyinen joukkue: %1</translation>
    </message>
    <message>
        <source>%1 will load when the open window closes.</source>
        <translation>%1 ladataan, kun avoin ikkuna suljetaan.</translation>
    </message>
</context>
<context>
    <name>PlayerInfo</name>
    <message>
        <source>POS</source>
        <translation>PP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NRO</translation>
    </message>
    <message>
        <source>HD</source>
        <translation>KÄTISYYS</translation>
    </message>
    <message>
        <source>HGT</source>
        <translation>PITUUS</translation>
    </message>
    <message>
        <source>WGT</source>
        <translation>PAINO</translation>
    </message>
    <message>
        <source>AGE</source>
        <translation>IKÄ</translation>
    </message>
    <message>
        <source>STS</source>
        <translation>TILA</translation>
    </message>
    <message>
        <source>CON</source>
        <translation>SOPIMUS</translation>
    </message>
    <message>
        <source>Birthplace</source>
        <translation>Syntymäpaikka</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Sopimus</translation>
    </message>
    <message>
        <source>Salary $</source>
        <translation>Palkka $</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensiteetti</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Nopeus</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Voima</translation>
    </message>
    <message>
        <source>Endurance</source>
        <translation>Kestävyys</translation>
    </message>
    <message>
        <source>Durability</source>
        <translation>Kestävyys vammoille</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Kurinalaisuus</translation>
    </message>
    <message>
        <source>Skating</source>
        <translation>Luistelu</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Syöttäminen</translation>
    </message>
    <message>
        <source>Stickhandle</source>
        <translation>Mailankäsittely</translation>
    </message>
    <message>
        <source>Defence</source>
        <translation>Puolustus</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Maalintekotaito</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Kokemus</translation>
    </message>
    <message>
        <source>Leadership</source>
        <translation>Johtajuus</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Kokonais</translation>
    </message>
    <message>
        <source>GP</source>
        <translation>O</translation>
    </message>
    <message>
        <source>PIM</source>
        <translation>RM</translation>
    </message>
    <message>
        <source>GAA</source>
        <translation>PKA</translation>
    </message>
    <message>
        <source>PPG</source>
        <translation>YVM</translation>
    </message>
    <message>
        <source>SHG</source>
        <translation>AVM</translation>
    </message>
    <message>
        <source>GW</source>
        <translation>VM</translation>
    </message>
    <message>
        <source>GT</source>
        <translation>TASM</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Laukaukset</translation>
    </message>
    <message>
        <source>Sh%</source>
        <translation>L%</translation>
    </message>
    <message>
        <source>Sv%</source>
        <translation>T%</translation>
    </message>
    <message>
        <source>Injured %1</source>
        <translation>Loukkaantunut %1</translation>
    </message>
    <message numerus="yes">
        <source>Suspended %n games</source>
        <translation>
            <numerusform>Pelikiellossa %n ottelu</numerusform>
            <numerusform>Pelikiellossa %n ottelua</numerusform>
        </translation>
    </message>
    <message>
        <source>Healthy</source>
        <translation>Terve</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Rookie</source>
        <translation>Tulokas</translation>
    </message>
    <message>
        <source>Veteran</source>
        <translation>Kokenut</translation>
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
        <translation>Pelaajan tiedot</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
</context>
<context>
    <name>PlayerInfoForm</name>
    <message>
        <source>PROFILE</source>
        <translation>PROFIILI</translation>
    </message>
    <message>
        <source>SKILLS</source>
        <translation>TAIDOT</translation>
    </message>
    <message>
        <source>SEASON STATISTICS</source>
        <translation>KAUDEN TILASTOT</translation>
    </message>
    <message>
        <source>Click, or press Space, to switch between feet and centimetres</source>
        <translation>Napsauta tai paina välilyöntiä vaihtaaksesi jalkojen ja senttimetrien välillä</translation>
    </message>
</context>
<context>
    <name>QtUi</name>
    <message>
        <source>Open &amp;Folder</source>
        <translation>Avaa &amp;kansio</translation>
    </message>
    <message>
        <source>The folder %1 could not be opened: the desktop has no program that shows folders, or it refused.</source>
        <translation>Kansiota %1 ei voitu avata: työpöydällä ei ole kansioita näyttävää ohjelmaa, tai se kieltäytyi.</translation>
    </message>
</context>
<context>
    <name>RatedPlayerTable</name>
    <message>
        <source>Player</source>
        <translation>Pelaaja</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>PP</translation>
    </message>
    <message>
        <source>OV</source>
        <translation>KOK</translation>
    </message>
    <message>
        <source>OF</source>
        <translation>HYÖ</translation>
    </message>
    <message>
        <source>DF</source>
        <translation>PUO</translation>
    </message>
    <message>
        <source>The player as listed; the mark tells how often he stands in the lines shown</source>
        <translation>Pelaaja listan mukaan; merkki kertoo, kuinka usein hän on näytetyissä kentissä</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pelipaikka</translation>
    </message>
    <message>
        <source>Overall rating</source>
        <translation>Kokonaisarvio</translation>
    </message>
    <message>
        <source>Offence rating</source>
        <translation>Hyökkäysarvio</translation>
    </message>
    <message>
        <source>Defence rating</source>
        <translation>Puolustusarvio</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Poissa</translation>
    </message>
    <message>
        <source>The player as listed; * marks a protected player or a rookie in the protection view</source>
        <translation>Pelaaja listan mukaan; * merkitsee suojausnäkymässä suojatun pelaajan tai tulokkaan</translation>
    </message>
    <message>
        <source>Injury code and games suspended</source>
        <translation>Vammakoodi ja pelikieltoottelut</translation>
    </message>
    <message>
        <source>Injury code and games suspended: out of the next game</source>
        <translation>Vammakoodi ja pelikieltoottelut: poissa seuraavasta ottelusta</translation>
    </message>
</context>
<context>
    <name>Readiness</name>
    <message>
        <source>Ready for the league</source>
        <translation>Valmis liigaan</translation>
    </message>
    <message>
        <source>Not ready for the league: %1</source>
        <translation>Ei valmis liigaan: %1</translation>
    </message>
    <message numerus="yes">
        <source>Not ready for the league (%n problems): %1</source>
        <translation>
            <numerusform>Ei valmis liigaan (%n ongelma): %1</numerusform>
            <numerusform>Ei valmis liigaan (%n ongelmaa): %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 is hurt (%2) and dressed</source>
        <translation>%1 on loukkaantunut (%2) ja kokoonpanossa</translation>
    </message>
    <message numerus="yes">
        <source>%1 is suspended (%n game(s)) and dressed</source>
        <translation>
            <numerusform>%1 on pelikiellossa (%n ottelu) ja kokoonpanossa</numerusform>
            <numerusform>%1 on pelikiellossa (%n ottelua) ja kokoonpanossa</numerusform>
        </translation>
    </message>
    <message>
        <source>The game roster needs %1 more %2</source>
        <translation>Ottelukokoonpanoon tarvitaan vielä %1 %2</translation>
    </message>
    <message>
        <source>The game roster has %1 %2; it takes %3</source>
        <translation>Ottelukokoonpanossa on %1 %2; pitää olla %3</translation>
    </message>
    <message numerus="yes">
        <source>%n dressed player(s) can play; a game roster has %1</source>
        <translation>
            <numerusform>%n kokoonpanon pelaaja voi pelata; ottelukokoonpanossa on %1</numerusform>
            <numerusform>%n kokoonpanon pelaajaa voi pelata; ottelukokoonpanossa on %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 on tyhjä</translation>
    </message>
    <message>
        <source>%1 names no player of the team</source>
        <translation>%1 ei nimeä ketään joukkueen pelaajaa</translation>
    </message>
    <message>
        <source>%1: %2 is not dressed</source>
        <translation>%1: %2 ei ole kokoonpanossa</translation>
    </message>
    <message>
        <source>Injury %1</source>
        <translation>Vamma %1</translation>
    </message>
    <message>
        <source>Susp %1</source>
        <translation>Pelikielto %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The password is not the lines password of %1.</source>
        <translation>Salasana ei ole joukkueen %1 kenttien salasana.</translation>
    </message>
</context>
<context>
    <name>ReadinessLabel</name>
    <message>
        <source>Warning</source>
        <translation>Varoitus</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>Roster of the %1</source>
        <translation>Pelaajat: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n Total Players</source>
        <translation>
            <numerusform>%n pelaaja yhteensä</numerusform>
            <numerusform>%n pelaajaa yhteensä</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Kumoa: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Kumoa</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Tee uudelleen: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Tee uudelleen</translation>
    </message>
    <message>
        <source>Missing: %1</source>
        <translation>Puuttuu: %1</translation>
    </message>
    <message>
        <source>Set Game Roster</source>
        <translation>Kokoa ottelukokoonpano</translation>
    </message>
    <message>
        <source>Roster Complete</source>
        <translation>Kokoonpano valmis</translation>
    </message>
    <message>
        <source>Game Roster</source>
        <translation>Ottelukokoonpano</translation>
    </message>
    <message>
        <source>Scratches</source>
        <translation>Katsomossa</translation>
    </message>
    <message>
        <source>Farm Roster</source>
        <translation>Farmijoukkue</translation>
    </message>
    <message>
        <source>Scratch</source>
        <translation>Katsomoon</translation>
    </message>
    <message>
        <source>Dress</source>
        <translation>Kokoonpanoon</translation>
    </message>
    <message>
        <source>To Farm</source>
        <translation>Farmiin</translation>
    </message>
    <message>
        <source>To Pros</source>
        <translation>Nosta</translation>
    </message>
    <message>
        <source>0 Total Players</source>
        <translation>0 pelaajaa yhteensä</translation>
    </message>
    <message>
        <source>Protect</source>
        <translation>Suojaa</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Add Player</source>
        <translation>Lisää pelaaja</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Muokkaa</translation>
    </message>
    <message numerus="yes">
        <source>%n players</source>
        <translation>
            <numerusform>%n pelaaja</numerusform>
            <numerusform>%n pelaajaa</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <translation>Siirrä %1 → %2</translation>
    </message>
    <message>
        <source>Add player to %1</source>
        <translation>Lisää pelaaja joukkueeseen %1</translation>
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
        <translation>Siirrä valitut kokoonpanon pelaajat katsomoon</translation>
    </message>
    <message>
        <source>Dress the selected scratches</source>
        <translation>Ota valitut katsomon pelaajat kokoonpanoon</translation>
    </message>
    <message>
        <source>Send the selected scratches to the farm club</source>
        <translation>Lähetä valitut katsomon pelaajat farmijoukkueeseen</translation>
    </message>
    <message>
        <source>Call the selected farm players up</source>
        <translation>Nosta valitut farmipelaajat</translation>
    </message>
    <message>
        <source>Show or hide this position in the lists</source>
        <translation>Näytä tai piilota tämä pelipaikka listoissa</translation>
    </message>
    <message>
        <source>Protection view: * marks protected players and rookies; a double click or Enter on a player protects him or lifts his protection</source>
        <translation>Suojausnäkymä: * merkitsee suojatut pelaajat ja tulokkaat; kaksoisnapsautus tai Enter pelaajan kohdalla suojaa hänet tai poistaa suojauksen</translation>
    </message>
    <message>
        <source>Dress 20 players automatically %1</source>
        <translation>Ota 20 pelaajaa kokoonpanoon automaattisesti %1</translation>
    </message>
    <message>
        <source>Add a new player to the farm club %1</source>
        <translation>Lisää uusi pelaaja farmijoukkueeseen %1</translation>
    </message>
    <message>
        <source>Keep or drop the changes and close %1</source>
        <translation>Säilytä tai hylkää muutokset ja sulje %1</translation>
    </message>
    <message>
        <source>Dressed players at this position against the game-roster rule</source>
        <translation>Kokoonpanon pelaajat tällä pelipaikalla kokoonpanosääntöön verrattuna</translation>
    </message>
    <message>
        <source>Dressed players in all against the game-roster rule</source>
        <translation>Kokoonpanon pelaajat yhteensä kokoonpanosääntöön verrattuna</translation>
    </message>
</context>
<context>
    <name>RosterTable</name>
    <message>
        <source>Roster order</source>
        <translation>Pelaajalistan järjestys</translation>
    </message>
</context>
<context>
    <name>Save Lines</name>
    <message>
        <source>The lines were not saved: the lines files of %1 and %2 would be one file, %3, on a disk that ignores case (as Windows does). Rename one of the teams.</source>
        <translation>Kenttiä ei tallennettu: joukkueiden %1 ja %2 kenttätiedostot olisivat yksi ja sama tiedosto, %3, levyllä, joka ei erota isoja ja pieniä kirjaimia (kuten Windows). Nimeä toinen joukkueista uudelleen.</translation>
    </message>
</context>
<context>
    <name>Season</name>
    <message>
        <source>one game day kept: the season view starts here</source>
        <translation>yksi ottelupäivä säilytetty: kausinäkymä alkaa tästä</translation>
    </message>
    <message>
        <source>Points and goal difference by game day.</source>
        <translation>Pisteet ja maaliero ottelupäivittäin.</translation>
    </message>
    <message>
        <source>Rank %1 in the division.</source>
        <translation>Sija %1 divisioonassa.</translation>
    </message>
    <message>
        <source>Skaters</source>
        <translation>Kenttäpelaajat</translation>
    </message>
    <message>
        <source>Goalies</source>
        <translation>Maalivahdit</translation>
    </message>
    <message>
        <source>Absences</source>
        <translation>Poissaolot</translation>
    </message>
    <message>
        <source>Waiver wire</source>
        <translation>Waiver-lista</translation>
    </message>
    <message>
        <source>Enter or a double click opens the player&apos;s card.</source>
        <translation>Enter tai kaksoisnapsautus avaa pelaajan kortin.</translation>
    </message>
    <message>
        <source>&amp;Goalies</source>
        <translation>&amp;Maalivahdit</translation>
    </message>
    <message>
        <source>&amp;Absences</source>
        <translation>&amp;Poissaolot</translation>
    </message>
    <message>
        <source>&amp;Waiver wire (better than your weakest dressed)</source>
        <translation>&amp;Waiver-lista (parempia kuin heikoin kokoonpanossasi)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>PP</translation>
    </message>
    <message>
        <source>▲ hot: the most points of the span among those who played; ▼ cold: the fewest.</source>
        <translation>▲ kuuma: jakson eniten pisteitä pelanneista; ▼ kylmä: vähiten.</translation>
    </message>
    <message>
        <source>Click a heading to sort; Enter or a double click opens the card.</source>
        <translation>Lajittele napsauttamalla otsikkoa; Enter tai kaksoisnapsautus avaa kortin.</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Kuuma</translation>
    </message>
    <message>
        <source>Cold</source>
        <translation>Kylmä</translation>
    </message>
    <message numerus="yes">
        <source>%1: the season so far, %n game day(s) kept</source>
        <translation>
            <numerusform>%1: kausi tähän mennessä, %n ottelupäivä säilytetty</numerusform>
            <numerusform>%1: kausi tähän mennessä, %n ottelupäivää säilytetty</numerusform>
        </translation>
    </message>
    <message>
        <source>Now %1-%2-%3, %4 PTS, goal difference %5, %6; %7 PTS since day %8</source>
        <translation>Nyt %1-%2-%3, %4 P, maaliero %5, %6; %7 P päivästä %8 lähtien</translation>
    </message>
    <message numerus="yes">
        <source>Form over the last %n game day(s)</source>
        <translation>
            <numerusform>Kunto viimeisen %n ottelupäivän aikana</numerusform>
            <numerusform>Kunto viimeisten %n ottelupäivän aikana</numerusform>
        </translation>
    </message>
    <message>
        <source>hurt (%1)</source>
        <translation>loukkaantunut (%1)</translation>
    </message>
    <message numerus="yes">
        <source>suspended %n game(s)</source>
        <translation>
            <numerusform>pelikiellossa %n ottelu</numerusform>
            <numerusform>pelikiellossa %n ottelua</numerusform>
        </translation>
    </message>
    <message>
        <source>days %1 to %2</source>
        <translation>päivät %1–%2</translation>
    </message>
    <message>
        <source>since day %1, still out</source>
        <translation>päivästä %1, yhä poissa</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Ei ketään</translation>
    </message>
    <message>
        <source>%1 (%2) OV %3, OF %4, DF %5</source>
        <translation>%1 (%2) KOK %3, HYÖ %4, PUO %5</translation>
    </message>
    <message>
        <source>%1: better than %2 (OV %3)</source>
        <translation>%1: parempi kuin %2 (KOK %3)</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Kausi</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
</context>
<context>
    <name>SlotEditing</name>
    <message>
        <source>Clear Slot</source>
        <translation>Tyhjennä paikka</translation>
    </message>
</context>
<context>
    <name>SlotLabel</name>
    <message>
        <source>empty</source>
        <translation>tyhjä</translation>
    </message>
    <message>
        <source>Out of the next game: %1</source>
        <translation>Poissa seuraavasta ottelusta: %1</translation>
    </message>
</context>
<context>
    <name>Standings</name>
    <message>
        <source>Unlisted: %1</source>
        <translation>Sijoittamatta: %1</translation>
    </message>
    <message>
        <source>Conference %1</source>
        <translation>Konferenssi %1</translation>
    </message>
    <message>
        <source>Division %1</source>
        <translation>Divisioona %1</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Sarjataulukko</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
</context>
<context>
    <name>StandingsForm</name>
    <message>
        <source>Rank</source>
        <translation>Sija</translation>
    </message>
    <message>
        <source>Place in the division: points, then wins, then goal difference.</source>
        <translation>Sija divisioonassa: pisteet, sitten voitot, sitten maaliero.</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Joukkue</translation>
    </message>
    <message>
        <source>Double click or Enter makes the team current.</source>
        <translation>Kaksoisnapsautus tai Enter tekee joukkueesta nykyisen.</translation>
    </message>
    <message>
        <source>GP</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Games played: W + L + T.</source>
        <translation>Ottelut: V + H + T.</translation>
    </message>
    <message>
        <source>W</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Wins.</source>
        <translation>Voitot.</translation>
    </message>
    <message>
        <source>L</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Losses.</source>
        <translation>Tappiot.</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Ties.</source>
        <translation>Tasapelit.</translation>
    </message>
    <message>
        <source>PTS</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Points: 2 for a win, 1 for a tie.</source>
        <translation>Pisteet: 2 voitosta, 1 tasapelistä.</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>TM</translation>
    </message>
    <message>
        <source>Goals for.</source>
        <translation>Tehdyt maalit.</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>Goals against.</source>
        <translation>Päästetyt maalit.</translation>
    </message>
    <message>
        <source>DIFF</source>
        <translation>ME</translation>
    </message>
    <message>
        <source>Goal difference: GF - GA.</source>
        <translation>Maaliero: TM - PM.</translation>
    </message>
    <message>
        <source>Teams whose conference or division the league does not have.</source>
        <translation>Joukkueet, joiden konferenssia tai divisioonaa liigassa ei ole.</translation>
    </message>
</context>
<context>
    <name>StrengthChart</name>
    <message>
        <source>Mean overall rating of the best players of each position that a game roster asks for (3 C, 3 LW, 3 RW, 6 D, 1 G). Solid bar and first number: the dressed players. Pale bar and second number: the whole pro roster.</source>
        <translation>Ottelukokoonpanon vaatimien parhaiden pelaajien keskimääräinen kokonaisarvio pelipaikoittain (3 KH, 3 VL, 3 OL, 6 P, 1 MV). Täysi palkki ja ensimmäinen luku: kokoonpanon pelaajat. Vaalea palkki ja toinen luku: koko ammattilaisjoukkue.</translation>
    </message>
    <message>
        <source> (%1 of %2)</source>
        <translation> (%1/%2)</translation>
    </message>
    <message>
        <source>dressed | pro roster</source>
        <translation>kokoonpano | ammattilaiset</translation>
    </message>
</context>
<context>
    <name>TeamSession</name>
    <message>
        <source>Not enough players</source>
        <translation>Pelaajia ei ole tarpeeksi</translation>
    </message>
    <message>
        <source>Auto Roster</source>
        <translation>Automaattinen kokoonpano</translation>
    </message>
    <message>
        <source>Auto roster</source>
        <translation>Automaattinen kokoonpano</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Tyhjennä %1</translation>
    </message>
    <message>
        <source>Swap %1 and %2</source>
        <translation>Vaihda %1 ja %2</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>1. kenttä</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>2. kenttä</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>3. kenttä</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>4. kenttä</translation>
    </message>
    <message>
        <source>PP Line 1 (5 on 4)</source>
        <translation>YV 1 (5–4)</translation>
    </message>
    <message>
        <source>PP Line 2 (5 on 4)</source>
        <translation>YV 2 (5–4)</translation>
    </message>
    <message>
        <source>PP Line 1 (4 on 3)</source>
        <translation>YV 1 (4–3)</translation>
    </message>
    <message>
        <source>PP Line 2 (4 on 3)</source>
        <translation>YV 2 (4–3)</translation>
    </message>
    <message>
        <source>PK Line 1 (4 on 5)</source>
        <translation>AV 1 (4–5)</translation>
    </message>
    <message>
        <source>PK Line 2 (4 on 5)</source>
        <translation>AV 2 (4–5)</translation>
    </message>
    <message>
        <source>PK Line 1 (3 on 5)</source>
        <translation>AV 1 (3–5)</translation>
    </message>
    <message>
        <source>PK Line 2 (3 on 5)</source>
        <translation>AV 2 (3–5)</translation>
    </message>
    <message>
        <source>Goalie / Extra Skaters</source>
        <translation>Maalivahti / lisäpelaajat</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Maalivahti</translation>
    </message>
    <message>
        <source>Extra Skater %1</source>
        <translation>Lisäpelaaja %1</translation>
    </message>
    <message>
        <source>Goalie row spare</source>
        <translation>Maalivahtirivin varapaikka</translation>
    </message>
    <message>
        <source>%1 spare</source>
        <translation>%1 varapaikka</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Save Lines</source>
        <translation>Tallenna kentät</translation>
    </message>
    <message>
        <source>Import Lines</source>
        <translation>Tuo kentät</translation>
    </message>
    <message>
        <source>The password cannot hold &quot;%1&quot;: a lines file keeps only characters of the Windows-1252 set.</source>
        <translation>Salasanassa ei voi olla merkkiä ”%1”: kenttätiedosto säilyttää vain Windows-1252-merkistön merkit.</translation>
    </message>
    <message>
        <source>The password does not match the lines password of %1. Save anyway?</source>
        <translation>Salasana ei vastaa joukkueen %1 kenttien salasanaa. Tallennetaanko silti?</translation>
    </message>
    <message>
        <source>The lines were not saved.
%1</source>
        <translation>Kenttiä ei tallennettu.
%1</translation>
    </message>
    <message>
        <source>Lines saved as %1</source>
        <translation>Kentät tallennettu: %1</translation>
    </message>
    <message>
        <source>Lines Saved</source>
        <translation>Kentät tallennettu</translation>
    </message>
    <message>
        <source>Errors in File</source>
        <translation>Virheitä tiedostossa</translation>
    </message>
    <message>
        <source>Invalid File</source>
        <translation>Virheellinen tiedosto</translation>
    </message>
    <message>
        <source>Password Incorrect</source>
        <translation>Väärä salasana</translation>
    </message>
    <message>
        <source>Load Lines</source>
        <translation>Lataa kentät</translation>
    </message>
    <message>
        <source>%1 lines are not valid</source>
        <translation>Joukkueen %1 kentät eivät kelpaa</translation>
    </message>
    <message>
        <source>Invalid Lines</source>
        <translation>Virheelliset kentät</translation>
    </message>
    <message>
        <source>Scratch %1</source>
        <translation>%1 katsomoon</translation>
    </message>
    <message>
        <source>%1 is unavailable</source>
        <translation>%1 ei ole käytettävissä</translation>
    </message>
    <message>
        <source>Dress %1</source>
        <translation>%1 kokoonpanoon</translation>
    </message>
    <message>
        <source>%1 cannot be sent to farm</source>
        <translation>Pelaajaa %1 ei voi lähettää farmiin</translation>
    </message>
    <message>
        <source>Send %1 to farm</source>
        <translation>%1 farmiin</translation>
    </message>
    <message>
        <source>Call up %1</source>
        <translation>Nosta %1</translation>
    </message>
    <message>
        <source>Unprotect %1</source>
        <translation>Poista suojaus: %1</translation>
    </message>
    <message>
        <source>Protect %1</source>
        <translation>Suojaa %1</translation>
    </message>
    <message>
        <source>The lines files of %1 and %2 would both be %3; rename one of the teams.</source>
        <translation>Joukkueiden %1 ja %2 kenttätiedostot olisivat kumpikin %3; nimeä toinen joukkueista uudelleen.</translation>
    </message>
    <message>
        <source>Roster not complete</source>
        <translation>Kokoonpano ei ole valmis</translation>
    </message>
    <message>
        <source>Set roster first</source>
        <translation>Kokoa ensin kokoonpano</translation>
    </message>
    <message>
        <source>Auto Lines</source>
        <translation>Automaattiset kentät</translation>
    </message>
    <message>
        <source>Auto lines</source>
        <translation>Automaattiset kentät</translation>
    </message>
    <message>
        <source>Put %1 in %2</source>
        <translation>Aseta %1 paikalle %2</translation>
    </message>
    <message>
        <source>Lines are not complete</source>
        <translation>Kentät eivät ole valmiit</translation>
    </message>
    <message>
        <source>Keep Roster Changes?</source>
        <translation>Säilytetäänkö kokoonpanon muutokset?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Säilytä muutokset</translation>
    </message>
    <message>
        <source>Keep Line Changes?</source>
        <translation>Säilytetäänkö kenttien muutokset?</translation>
    </message>
    <message>
        <source>Edit Roster</source>
        <translation>Muokkaa kokoonpanoa</translation>
    </message>
    <message>
        <source>Edit Lines</source>
        <translation>Muokkaa kenttiä</translation>
    </message>
    <message>
        <source>Changes were not saved</source>
        <translation>Muutoksia ei tallennettu</translation>
    </message>
    <message>
        <source>Put %1 on waivers?</source>
        <translation>Siirretäänkö %1 waiver-listalle?</translation>
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
        <translation>ei mitään</translation>
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
        <translation>Talous</translation>
    </message>
    <message>
        <source>Now %1; revenue %2; expenses %3; balance %4</source>
        <translation>Nyt %1; tulot %2; menot %3; saldo %4</translation>
    </message>
</context>
<context>
    <name>korvel::LinesForm</name>
    <message>
        <source>Dressed players</source>
        <translation>Kokoonpanon pelaajat</translation>
    </message>
    <message>
        <source>Pick a player, then press Enter on a slot; F6 goes to the slots and back</source>
        <translation>Valitse pelaaja ja paina sitten Enter paikan kohdalla; F6 siirtyy paikkoihin ja takaisin</translation>
    </message>
</context>
<context>
    <name>korvel::MainForm</name>
    <message>
        <source>Divisions of %1</source>
        <translation>Divisioonat: %1</translation>
    </message>
    <message>
        <source>Teams of %1</source>
        <translation>Joukkueet: %1</translation>
    </message>
</context>
<context>
    <name>korvel::RosterTable</name>
    <message>
        <source>available</source>
        <translation>käytettävissä</translation>
    </message>
</context>
<context>
    <name>korvel::SkillBar</name>
    <message>
        <source>no rating</source>
        <translation>ei arviota</translation>
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
        <translation>Sarjataulukko</translation>
    </message>
    <message>
        <source>Enter or a double click makes the team current</source>
        <translation>Enter tai kaksoisnapsautus tekee joukkueesta nykyisen</translation>
    </message>
    <message>
        <source>%1, current team</source>
        <translation>%1, nykyinen joukkue</translation>
    </message>
</context>
<context>
    <name>korvel::StrengthChart</name>
    <message>
        <source>Strength by position</source>
        <translation>Voima pelipaikoittain</translation>
    </message>
    <message>
        <source>%1: dressed %2, pro roster %3</source>
        <translation>%1: kokoonpanossa %2, ammattilaisjoukkue %3</translation>
    </message>
</context>
<context>
    <name>korvel::qt::SlotLabel</name>
    <message>
        <source>empty</source>
        <translation>tyhjä</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, refused</source>
        <translation>%1, hylätty</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A second start in this folder cannot bring this window forward: %1</source>
        <translation>Toinen käynnistys tässä kansiossa ei voi tuoda tätä ikkunaa esiin: %1</translation>
    </message>
</context>
</TS>
