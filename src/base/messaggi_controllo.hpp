#pragma once
// The texts of the word-file checker (talewick-cli controlla). Entries and words stand between «
// and ».
#include <cstddef>
#include <string>
#include <string_view>

namespace talewick::messaggi::controllo {
inline std::string C(std::string_view testo) { return "«" + std::string(testo) + "»"; }

inline constexpr std::string_view errore = "errore";
inline constexpr std::string_view avviso = "avviso";
inline constexpr std::string_view nessun_problema = "Nessun problema trovato.";
inline std::string Conteggio(std::size_t errori, std::size_t avvisi) {
  return std::to_string(errori) + (errori == 1 ? " errore, " : " errori, ") + std::to_string(avvisi) +
         (avvisi == 1 ? " avviso" : " avvisi");
}

// Files.
inline constexpr std::string_view cartella_mancante = "la cartella dei file di parole non esiste";
inline constexpr std::string_view file_mancante = "il file non esiste";
inline constexpr std::string_view file_cartella = "è una cartella, non un file di parole";
inline constexpr std::string_view file_illeggibile = "il file non si può leggere";
inline constexpr std::string_view cartella_non_cartella = "è un file, non la cartella dei file di parole";
inline constexpr std::string_view cartella_non_accessibile = "la cartella non si può aprire: permesso negato";
inline constexpr std::string_view file_in_ciclo =
    "il file è un collegamento simbolico che non arriva a nessun file: i collegamenti formano un ciclo";
inline constexpr std::string_view file_speciale = "non è un file di parole ma un file speciale";
inline std::string File_Troppo_Grande(std::string_view limite) {
  return "il file supera il limite di " + std::string(limite) + " e non viene letto";
}
inline constexpr std::string_view utf16 = "il file è in UTF-16: si legge lo stesso, ma è meglio salvarlo in UTF-8";
// `righe` as "3, 7 e 9".
inline std::string Codifica_Mista(std::string_view righe, bool una) {
  return "il file mescola UTF-8 e Windows-1252: " + std::string(una ? "la riga " : "le righe ") + std::string(righe) +
         (una ? " è stata letta" : " sono state lette") +
         " come Windows-1252, le altre come UTF-8; salvalo tutto in UTF-8";
}
inline std::string Altre_Segnalazioni(std::size_t quante, bool errori) {
  if (quante == 1)
    return errori ? "un altro errore in questo file non è mostrato" : "un altro avviso in questo file non è mostrato";
  return "altri " + std::to_string(quante) + (errori ? " errori" : " avvisi") + " in questo file non sono mostrati";
}
inline constexpr std::string_view file_senza_voci = "il file non contiene nessuna voce";
inline constexpr std::string_view non_utf8 =
    "il file non è in UTF-8 (da questa riga) ed è stato letto come Windows-1252: salvalo in UTF-8";
inline constexpr std::string_view con_bom =
    "il file comincia con il segno BOM: si legge lo stesso, ma è meglio salvarlo in UTF-8 senza BOM";
inline constexpr std::string_view byte_nul =
    "il file contiene un byte NUL, che la lettura scarta: forse è salvato in UTF-16 o è rovinato";
inline constexpr std::string_view virgolette_aperte = "virgolette non chiuse: la voce arriva fino alla fine della riga";
inline constexpr std::string_view file_sconosciuto =
    "il programma non legge questo file: non è uno dei 38 file di parole";
inline std::string Tag_Richiesto_Mancante(std::string_view tag, std::string_view uso) {
  return "nessuna voce contiene " + C(tag) + ": senza non si possono generare " + std::string(uso);
}
inline std::string Dizionario_Mancante(std::string_view base) {
  return "il dizionario italiano di Hunspell (" + std::string(base) +
         ".aff e .dic) non si apre: le parole non sono state controllate; installa hunspell-it o indica il "
         "dizionario con TALEWICK_DIZIONARIO";
}

// Entries.
inline constexpr std::string_view voce_vuota =
    "voce vuota: una riga vuota, o una virgola di troppo, è una voce che si può estrarre";
inline constexpr std::string_view riga_vuota_finale =
    "riga vuota alla fine del file: è una voce vuota che si può estrarre";
inline std::string Virgola(std::size_t voci) {
  return "una virgola fuori dalle virgolette divide la riga in " + std::to_string(voci) + " voci";
}
inline std::string Voce_Ripetuta(std::string_view voce, int riga) {
  return C(voce) + " è già alla riga " + std::to_string(riga);
}
inline std::string Voce_Ripetuta_Con_Altri_Tag(std::string_view voce, std::string_view prima, int riga) {
  return C(voce) + " è la stessa voce di " + C(prima) + " alla riga " + std::to_string(riga) +
         " con altri tag: esce il doppio delle volte; tienine una";
}
inline std::string Parentesi_Sbilanciate(std::string_view voce) {
  return "in " + C(voce) + " le parentesi quadre non sono bilanciate";
}
inline std::string Tag_Maiuscolo(std::string_view voce, std::string_view tag, std::string_view giusto) {
  return "in " + C(voce) + " il tag " + C(tag) + " è scritto con le maiuscole e resterebbe nel testo: scrivi " +
         C(giusto);
}
inline std::string Tag_Sconosciuto(std::string_view voce, std::string_view tag) {
  return "in " + C(voce) + " il tag " + C(tag) + " non esiste e resterebbe nel testo";
}
inline std::string Virgolette_Nella_Voce(std::string_view voce) {
  return "in " + C(voce) +
         " c'è una virgoletta doppia, che resterebbe nel testo: le virgolette servono solo a racchiudere una voce "
         "intera";
}
inline std::string Troppe_Barre(std::string_view voce) {
  return C(voce) + " ha più di una " + C("|") + ": ne va al massimo una, tra singolare e plurale";
}
inline std::string Barra_Inutile(std::string_view voce) {
  return C(voce) + ": le voci di questo file non hanno plurale, il testo dopo " + C("|") + " non compare mai";
}
inline std::string Spazi_Di_Troppo(std::string_view voce, std::string_view testo) {
  return "in " + C(voce) + " tolti i tag restano spazi di troppo (" + C(testo) + "): i tag vanno attaccati alla parola";
}

// Nouns.
inline std::string Articolo_Mancante(std::string_view voce, std::string_view articoli) {
  return C(voce) + " non comincia con un articolo determinativo singolare (" + std::string(articoli) + ")";
}
inline std::string Articolo_Minuscolo(std::string_view voce) {
  return "in " + C(voce) + " l'articolo va con la maiuscola: il motore riconosce solo «Il », «Lo », «L'» e «La »";
}
inline std::string Articolo_Plurale(std::string_view voce) {
  return C(voce) + " comincia con un articolo plurale: la voce va scritta al singolare (il plurale va dopo «|»)";
}
inline std::string Articolo_Di_Altro_Genere(std::string_view voce, std::string_view articolo, bool file_maschile) {
  return "in " + C(voce) + " l'articolo " + C(articolo) +
         (file_maschile ? " è femminile, ma il file è di nomi maschili"
                        : " è maschile, ma il file è di nomi femminili");
}
inline std::string Articolo_Sbagliato(std::string_view voce, std::string_view parola, std::string_view atteso,
                                      std::string_view corretta) {
  return "in " + C(voce) + " davanti a " + C(parola) + " va " + C(atteso) + ": scrivi " + C(corretta);
}
inline std::string Spazio_Dopo_Apostrofo(std::string_view voce) {
  return "in " + C(voce) + " dopo «L'» non va lo spazio";
}
inline std::string Nome_Mancante(std::string_view voce) { return "in " + C(voce) + " manca il nome dopo l'articolo"; }
inline std::string Nome_Minuscolo(std::string_view voce) { return "in " + C(voce) + " il nome va con la maiuscola"; }
inline std::string Nome_Di_Piu_Parole(std::string_view voce) {
  return C(voce) + " ha più parole dopo l'articolo e il motore flette solo la fine: scrivi il plurale dopo «|» (" +
         C(std::string(voce) + "|…") + ")";
}
inline std::string Plurale_Senza_Articolo(std::string_view voce, std::string_view articoli) {
  return "in " + C(voce) + " il plurale dopo «|» deve cominciare con " + std::string(articoli);
}
inline std::string Femminile_In_One(std::string_view voce, std::string_view plurale_motore, std::string_view proposta) {
  return C(voce) + ": un femminile in -one resta in -one al plurale (" + C(plurale_motore) + "): scrivi " + C(proposta);
}
inline std::string Desinenza_Nascosta(std::string_view voce, std::string_view marcatore, std::string_view forma) {
  return C(voce) + ": nella forma " + std::string(marcatore) + " la parola non cambia (" + C(forma) +
         ") perché un tag dopo di essa ne nasconde la desinenza: [m], [f] e [fm] vanno subito dopo l'ultima "
         "lettera, gli altri tag dopo di loro";
}

// Adjectives and verbs.
inline std::string Aggettivo_Minuscolo(std::string_view voce) {
  return C(voce) + ": l'aggettivo va scritto con la maiuscola";
}
inline std::string Verbo_Senza_Ausiliare(std::string_view voce) {
  return C(voce) + " deve cominciare con «ha » o «è », in minuscolo, seguito dal participio";
}
inline std::string Participio_Di_Piu_Parole(std::string_view voce) {
  return "in " + C(voce) + " dopo l'ausiliare va una sola parola, il participio, seguita solo dai tag";
}
inline std::string Participio_Non_In_O(std::string_view voce, std::string_view participio) {
  return "in " + C(voce) + " il participio " + C(participio) + " deve essere maschile singolare, in -o";
}
inline std::string Participio_Maiuscolo(std::string_view voce) {
  return "in " + C(voce) + " il participio va in minuscolo";
}
inline std::string Verbo_Senza_Transitivita(std::string_view voce) {
  return C(voce) + " non ha né «[tr]» né «[intr]»: gli spunti d'avventura non sanno se dargli un oggetto o un luogo";
}
inline std::string Verbo_Transitivo_E_Intransitivo(std::string_view voce) {
  return C(voce) + " ha sia «[tr]» sia «[intr]»: conta come intransitivo";
}
inline std::string Infinito_Non_Valido(std::string_view voce, std::string_view infinito, std::string_view consiglio) {
  return C(voce) + ": l'infinito che il motore ne ricava è " + C(infinito) + ", che non è un infinito; " +
         std::string(consiglio);
}

// Tags that choose a verb's partners, place nouns with «su», proper names.
inline std::string Lista_Fuori_Posto(std::string_view voce, std::string_view tag, std::string_view voci) {
  return "in " + C(voce) + " il tag " + C(tag) + " non ha effetto: vale solo per " + std::string(voci);
}
inline std::string Lista_Ripetuta(std::string_view voce, std::string_view tag) {
  return C(voce) + " ha più di un tag " + C(tag) + ": conta solo il primo";
}
inline std::string Lista_Vuota(std::string_view voce, std::string_view tag) {
  return "in " + C(voce) + " il tag " + C(tag) + " non elenca nessun codice: conta come se non ci fosse";
}
inline std::string Codice_Ignoto(std::string_view voce, std::string_view codice, std::string_view tag,
                                 std::string_view ammessi) {
  return "in " + C(voce) + " il codice " + C(codice) + " di " + C(tag) +
         " non è tra i codici di questo tag e viene ignorato: i codici sono " + std::string(ammessi) +
         ", separati da «/»";
}
inline std::string Nessun_Nome_Fuori_Dai_Verbi(std::string_view voce) {
  return "in " + C(voce) +
         " «[per:-]» vale solo per i verbi di VerbiPassatoProssimo.txt: un aggettivo che non accompagna nessun nome "
         "va tolto dal file";
}
inline std::string Notevole_Fuori_Posto(std::string_view voce) {
  return "in " + C(voce) +
         " «[notevole]» non ha effetto: conta solo nei nomi di MasOggetti.txt, FemOggetti.txt, MasArmi.txt, "
         "FemArmi.txt, MasCorpo.txt, FemCorpo.txt, MasLuoghi.txt e FemLuoghi.txt";
}
inline std::string Solo_Nei_Verbi(std::string_view voce, std::string_view tag) {
  return "in " + C(voce) + " " + C(tag) + " non ha effetto: conta solo nei verbi di VerbiPassatoProssimo.txt";
}
inline std::string Participio_Senza_Participio(std::string_view voce) {
  return C(voce) +
         " ha «[participio]» ma il suo participio non accompagna nessun nome (è intransitivo con «ha», o ha "
         "«[per:-]»): non esce mai; togli «[participio]» o la voce";
}
inline std::string Spunto_Fuori_Posto(std::string_view voce) {
  return "in " + C(voce) + " «[spunto]» non ha effetto: conta solo negli aggettivi di Aggettivi.txt";
}
inline std::string Qualificativo_Fuori_Posto(std::string_view voce, std::string_view tag) {
  return "in " + C(voce) + " " + C(tag) +
         " non ha effetto: conta solo negli aggettivi di Aggettivi.txt e nei verbi di VerbiPassatoProssimo.txt";
}
inline std::string Insegna_Fuori_Posto(std::string_view voce) {
  return "in " + C(voce) +
         " «[insegna]» non ha effetto: conta solo negli aggettivi di Aggettivi.txt, nei verbi di "
         "VerbiPassatoProssimo.txt e nei nomi di MasUmani.txt, FemUmani.txt, MasAnimali.txt, FemAnimali.txt, "
         "MasOggetti.txt, FemOggetti.txt, MasArmi.txt, FemArmi.txt, MasCorpo.txt e FemCorpo.txt";
}
inline std::string Bersaglio_Fuori_Posto(std::string_view voce, std::string_view tag) {
  return "in " + C(voce) + " " + C(tag) +
         " non ha effetto: conta solo nei nomi di MasUmani.txt, FemUmani.txt, MasAnimali.txt e "
         "FemAnimali.txt e nei verbi di VerbiPassatoProssimo.txt";
}
inline std::string Attore_Fuori_Posto(std::string_view voce) {
  return "in " + C(voce) +
         " «[attore]» non ha effetto: conta solo nei nomi di MasUmani.txt, FemUmani.txt, MasAnimali.txt e "
         "FemAnimali.txt";
}
inline std::string Membri_Fuori_Posto(std::string_view voce, std::string_view tag) {
  return "in " + C(voce) + " " + C(tag) + " non ha effetto: conta solo nei nomi di MasUmani.txt e FemUmani.txt";
}
inline std::string Solo_Negli_Aggettivi(std::string_view voce, std::string_view tag) {
  return "in " + C(voce) + " " + C(tag) + " non ha effetto: conta solo negli aggettivi di Aggettivi.txt";
}
inline std::string Aperto_E_Costruito(std::string_view voce) {
  return "in " + C(voce) + " «[aperto]» e «[costruito]» insieme: conta solo «[costruito]»; tienine uno";
}
inline std::string Luogo_Fuori_Posto(std::string_view voce, std::string_view tag) {
  return "in " + C(voce) + " " + C(tag) +
         " non ha effetto: conta solo nei nomi di MasLuoghi.txt e FemLuoghi.txt, nelle frasi di Dove.txt e nei verbi "
         "di VerbiPassatoProssimo.txt";
}
inline std::string Marino_Fuori_Posto(std::string_view voce) {
  return "in " + C(voce) +
         " «[marino]» non ha effetto: conta solo nei nomi di MasLuoghi.txt e FemLuoghi.txt e nelle "
         "frasi di Dove.txt";
}
inline std::string Luogo_Senza_Luoghi(std::string_view voce, std::string_view tag) {
  return "in " + C(voce) + " " + C(tag) +
         " non ha effetto: il verbo ha un oggetto e né «[ogg:…]» né «[compl:…]» comprende i luoghi («lu»)";
}
inline std::string Fine_Senza_Scopo(std::string_view voce) {
  return "in " + C(voce) + " «[fine:…]» non ha effetto: il verbo non ha «[scopo]», e dopo di lui non viene uno scopo";
}
inline std::string Regge_Senza_Scopo(std::string_view voce, std::string_view tag) {
  return "in " + C(voce) + " " + C(tag) +
         " non ha effetto: il verbo non ha «[scopo]», e dopo di lui non viene uno scopo";
}
inline std::string Regge_Due_Volte(std::string_view voce) {
  return "in " + C(voce) + " «[regge:a]» e «[regge:di]» insieme: lo scopo segue «di», e uno dei due si può togliere";
}
inline std::string Meta_Due_Volte(std::string_view voce) {
  return "in " + C(voce) + " «[meta]» e «[meta:…]» insieme: conta solo «[meta:…]», e «[meta]» si può togliere";
}
inline std::string Np_Non_Dopo_Parola(std::string_view voce) {
  return "in " + C(voce) +
         " «[np]» deve stare subito dopo la parola che è un nome proprio, senza spazi: «oltre i Monti di Tharnak[np]»";
}
inline std::string Np_Fuori_Da_Dove(std::string_view voce) {
  return "in " + C(voce) + " «[np]» non ha effetto: conta solo nelle frasi di Dove.txt";
}
inline std::string Su_Fuori_Dai_Luoghi(std::string_view voce) {
  return "in " + C(voce) + " «[su]» non ha effetto: conta solo nei nomi di MasLuoghi.txt e FemLuoghi.txt";
}
inline constexpr std::string_view nessun_participio_aggettivo =
    "nessun verbo ha un participio che possa accompagnare un nome (un verbo che cominci con «è » o che abbia «[tr]» "
    "senza «[intr]», e senza «[per:-]»): senza non si possono generare i nomi con un participio";
inline std::string Transitivo_Senza_Oggetto(std::string_view voce) {
  return C(voce) +
         " è transitivo ma non ha «[ogg:…]»: negli spunti d'avventura il suo oggetto può essere un nome di qualsiasi "
         "categoria; elenca quelle adatte, per esempio «ha rubato[tr][ogg:og/ar]»";
}
inline std::string Complemento_Senza_Categorie(std::string_view voce) {
  return C(voce) +
         " ha «[spec]» o «[term]» ma non «[compl:…]»: negli spunti d'avventura il suo complemento può essere un nome "
         "di qualsiasi categoria; elenca quelle adatte, per esempio «ha venduto[tr][ogg:og][term][compl:um]»";
}
inline std::string Nome_In_Due_File(std::string_view voce, std::string_view nome, std::string_view altro_file, int riga,
                                    std::string_view altra_voce) {
  return "il nome " + C(nome) + " di " + C(voce) + " è anche in " + std::string(altro_file) + " alla riga " +
         std::to_string(riga) + " (" + C(altra_voce) + "): tienilo in un solo file";
}
inline std::string Categoria_Squilibrata(std::size_t voci, std::string_view altro_file, std::size_t altre_voci) {
  return "il file ha " + std::to_string(voci) + " voci, meno dell'80% delle " + std::to_string(altre_voci) + " di " +
         std::string(altro_file) +
         ": il genere si estrae a metà, quindi ogni sua voce esce più spesso; aggiungine o togline dall'altro file";
}
inline std::string Inglese_In_Due_File(std::string_view voce, std::string_view altro_file, int riga) {
  return C(voce) + " è anche in " + std::string(altro_file) + " alla riga " + std::to_string(riga) +
         ": tienila in un solo file";
}
inline std::string Materie_Senza_Cose(std::string_view voce, std::string_view tag, std::string_view categoria) {
  return "in " + C(voce) + " nessuna voce di " + std::string(categoria) + " (Mas e Fem) ha un codice di " + C(tag) +
         ": quando l'oggetto è di quella categoria si sceglie fra tutte";
}
inline std::string Materie_Senza_Oggetto(std::string_view voce, std::string_view tag) {
  return "in " + C(voce) + " il tag " + C(tag) + " non ha effetto: il verbo non prende per oggetto armi né oggetti";
}
inline std::string Modello_Senza_Articolo(std::string_view voce, std::string_view letto) {
  return "il modello " + C(voce) + " ha «[1]» ma non comincia con l'articolo: nei confronti si legge " + C(letto) +
         "; scrivilo con il suo articolo, per esempio «La Tassonomia[1][an]»";
}

// Book-title templates and fluid phrases.
inline std::string Modello_Senza_Categoria(std::string_view voce) {
  return "il modello " + C(voce) +
         " non ha un tag di categoria ([an], [al], [og], [um], [lu], [ci], [co], [ar], [as] o [na]): il nome che lo "
         "segue non si può scegliere";
}
inline std::string Modello_Senza_Numero(std::string_view voce) {
  return "il modello " + C(voce) + " non ha un numero da «[1]» a «[5]»: non viene mai estratto";
}
inline std::string Specificazione_Senza_Genere(std::string_view voce) {
  return C(voce) + " non ha né «[m]» né «[f]»: il colore che la segue non si può accordare";
}
inline std::string Specificazione_Con_Due_Generi(std::string_view voce) {
  return C(voce) + " ha sia «[m]» sia «[f]»: conta come maschile";
}

// Words the dictionary does not know.
inline std::string Parola_Ignota(std::string_view voce, std::string_view parola, std::string_view consiglio) {
  return C(voce) + ": la parola " + C(parola) + " non è nel dizionario; " + std::string(consiglio);
}
inline std::string Parola_Ignota_In_Forma(std::string_view voce, std::string_view parola, std::string_view marcatore,
                                          std::string_view forma, std::string_view consiglio) {
  return C(voce) + ": la parola " + C(parola) + " della forma " + std::string(marcatore) + " (" + C(forma) +
         ") non è nel dizionario; " + std::string(consiglio);
}
inline constexpr std::string_view consiglio_correzione =
    "correggila o, se è una parola di fantasia, aggiungila con il suo motivo a src/checker/parole_accettate.txt";
inline constexpr std::string_view consiglio_plurale_scritto =
    "il dizionario conosce la forma di base ma non questa: controlla il plurale scritto dopo «|»";
inline constexpr std::string_view consiglio_participio = "controlla il participio e il suo numero da «[1]» a «[5]»";
// The dictionary knows the base form but not this one, and no hint or number gives a known one.
inline std::string Consiglio_Plurale_Dubbio(std::string_view voce) {
  return "il dizionario conosce la forma di base ma non questa: se è giusta non serve altro, se il plurale è "
         "irregolare scrivilo dopo «|» (" +
         C(std::string(voce) + "|…") + ")";
}
inline constexpr std::string_view consiglio_verbo_dubbio =
    "il dizionario conosce la forma di base ma non questa: se è giusta non serve altro, altrimenti controlla il "
    "participio e il suo numero da «[1]» a «[5]»";
// `prove` lists what an entry with the missing hint or number would give.
inline std::string Consiglio_Suggerimento(std::string_view prove) {
  return "forse manca un suggerimento: " + std::string(prove);
}
inline std::string Consiglio_Numero(std::string_view prove) {
  return "forse manca il numero dell'infinito: " + std::string(prove);
}
inline std::string Prova(std::string_view voce, std::string_view forme) {
  return C(voce) + " dà " + std::string(forme);
}
inline constexpr std::string_view oppure = " oppure ";

}  // namespace talewick::messaggi::controllo
