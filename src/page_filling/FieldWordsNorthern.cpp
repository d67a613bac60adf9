// Keywords in Swedish, Danish, Norwegian, Finnish and Turkish.
#include "page_filling/FieldWordLists.h"

namespace {

using enum FieldMeaning;
using enum KeywordRole;

constexpr KeywordGroup kGroups[] = {
    {FeedAddress, Head, 1.0, "rss flöde|rss-flöde|rss-syöte|rss syöte|rss beslemesi"},
    {SiteAddress, Head, 1.0,
     "webbplats|hemsida|webbadress|hjemmeside|websted|webadresse|nettside|nettsted|kotisivu|"
     "verkkosivu|verkkosivusto|www-osoite|kotisivut|web sitesi|web adresi|internet sitesi"},
    {Title, Head, 1.0, "tittel|overskrift|otsikko|başlık"},
    {Description, Head, 1.0, "beskrivning|beskrivelse|kuvaus|açıklama"},
    {Tags, Head, 1.0,
     "taggar|nyckelord|nøgleord|stikkord|nøkkelord|emneknagger|tagit|avainsanat|etiketler|"
     "anahtar kelimeler"},
    {Category, Head, 1.0, "kategori|kategoria|luokka"},
    {Email, Head, 1.0,
     "e-post|e-postadress|epost|mejl|mejladress|e-mailadresse|email-adresse|mailadresse|"
     "e-postadresse|sähköposti|sähköpostiosoite|s-posti|e-posta|e-posta adresi|eposta|"
     "mail adresi|e-posta adresiniz"},
    {FirstName, Head, 1.0, "förnamn|fornavn|etunimi"},
    {LastName, Head, 1.0, "efternamn|efternavn|etternavn|sukunimi|soyad|soyadı|soyadınız|soyisim"},
    {FullName, BareName, 0.8, "namn|navn|nimi|isim|adı|adınız|isminiz"},
    {FullName, Head, 1.0,
     "fullständigt namn|ditt namn|för- och efternamn|fulde navn|dit navn|for- og efternavn|"
     "fullt navn|ditt navn|koko nimi|nimesi|etu- ja sukunimi|ad soyad|adınız soyadınız|"
     "adı soyadı|ad soyadı|isim soyisim|adınız ve soyadınız"},
    {None, AnyAddress, 0.8, "adress|osoite"},
    {None, Head, 1.0,
     "lösenord|användarnamn|mobil|gatuadress|postnummer|ort|stad|företag|företagsnamn|sök|"
     "adgangskode|kodeord|brugernavn|gade|vejnavn|firmanavn|virksomhed|søg|passord|"
     "brukernavn|gateadresse|poststed|sted|bedrift|søk|salasana|käyttäjätunnus|"
     "käyttäjänimi|puhelin|puhelinnumero|katuosoite|postinumero|postitoimipaikka|kaupunki|"
     "yritys|yrityksen nimi|haku|hae|şifre|parola|kullanıcı adı|cep telefonu|şehir|"
     "posta kodu|şirket|ara|arama"},
    {None, Warning, 1.0, "lämna tomt|lad være tom|la stå tom|jätä tyhjäksi|boş bırakın"},
    {None, Head, 0.6, "meddelande|besked|melding|viesti|mesaj|kommentar|kommentti|yorum"},
};

} // namespace

std::span<const KeywordGroup> NorthernKeywords()
{
    return kGroups;
}
