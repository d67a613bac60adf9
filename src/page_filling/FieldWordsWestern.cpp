// Keywords in English, German, French, Spanish, Italian, Portuguese and Dutch.
#include "page_filling/FieldWordLists.h"

namespace {

using enum FieldMeaning;
using enum KeywordRole;

constexpr KeywordGroup kGroups[] = {
    // Feed address: only a caption or name that says feed, RSS, Atom or XML.
    {FeedAddress, Head, 1.0,
     "rss|atom|rss feed|feed url|rss url|xml url|atom url|feed address|feed link|feed adresse|"
     "feed-url|flux|flux rss|url du flux|fuente rss|canal rss|url del feed|indirizzo del feed|"
     "endereco do feed|feed adres|rss adres"},
    {FeedAddress, Modifier, 0.9, "feed|feeds"},
    {FeedAddress, Modifier, 0.7, "xml"},
    // Any web address is the site's, unless a feed word goes with it.
    {SiteAddress, AnyAddress, 0.6,
     "url|uri|link|http|https|web address|internet address|web adresse|webadresse|"
     "internetadresse|adresse web|adresse internet|direccion web|indirizzo web|endereco web|"
     "webadres|internetadres"},
    // An address alone is a postal one.
    {None, AnyAddress, 0.8, "address|adresse|anschrift|direccion|indirizzo|endereco|adres"},
    {SiteAddress, Head, 1.0,
     "site url|website url|blog url|homepage url|site address|website address|web site address|"
     "blog address|homepage|home page|webpage|web page|your website|your site|url du site|"
     "adresse du site|site internet|site web|sitio web|pagina web|url del sitio|sito internet|"
     "indirizzo del sito|endereco do site|homepagina|internetseite|internet website|company url|"
     "company website|company web site|business website"},
    {SiteAddress, Modifier, 0.8,
     "site|website|web site|webseite|sitio|sito|sito web|website adres|blog|weblog"},
    {SiteAddress, Modifier, 0.7, "web|www"},
    // Title.
    {Title, Head, 1.0,
     "title|titel|titre|titulo|titolo|site name|website name|blog name|feed name|"
     "name of your site|name of your blog|name of your feed|name of the site|name of the feed|"
     "name of your website|link text|anchor text|seitenname|name des blogs|nom du site|"
     "nom du blog|nom du flux|nombre del sitio|nombre del blog|nome del sito|nome do site|"
     "nome do blog|naam van de site|sitenaam|blognaam|headline|uberschrift"},
    // Description.
    {Description, Head, 1.0,
     "description|describe|summary|beschreibung|zusammenfassung|resume|descripcion|resumen|"
     "descrizione|sommario|descricao|resumo|beschrijving|omschrijving|samenvatting"},
    {Description, Head, 0.8, "about"},
    {Description, Head, 0.6, "details"},
    // Tags.
    {Tags, Head, 1.0,
     "tags|tag|keywords|keyword|key words|schlagworter|schlagwort|stichworter|mots cles|mot cle|"
     "etiquettes|palabras clave|etiquetas|parole chiave|etichette|palavras chave|trefwoorden|"
     "sleutelwoorden"},
    // E-mail.
    {Email, Head, 1.0,
     "email|e mail|mail|email address|e mail address|e mail adresse|email adresse|adresse email|"
     "adresse e mail|adresse mail|courriel|adresse electronique|correo|correo electronico|"
     "direccion de correo|posta elettronica|indirizzo email|indirizzo e mail|endereco de email|"
     "endereco de e mail|endereco eletronico|correio eletronico|correio electronico|"
     "e mailadres|emailadres|mailadres|your email"},
    {Email, Modifier, 0.5, "contact"},
    {Email, Modifier, 0.6, "newsletter|subscribe|subscription|sign up|signup"},
    // First name.
    {FirstName, Head, 1.0,
     "first name|given name|forename|fname|f name|firstname|vorname|prenom|nombre de pila|"
     "primer nombre|nome proprio|primeiro nome|voornaam"},
    // Last name.
    {LastName, Head, 1.0,
     "last name|surname|family name|lname|l name|lastname|nachname|familienname|nom de famille|"
     "apellido|apellidos|cognome|sobrenome|ultimo nome|achternaam"},
    // Full name.
    {FullName, BareName, 0.8, "name|nom|nombre|nome|naam|namen"},
    {FullName, Head, 1.0,
     "full name|your name|fullname|yourname|first and last name|first name and last name|"
     "name and surname|vor und nachname|vor und zuname|ihr name|nom complet|nom et prenom|"
     "prenom et nom|votre nom|nombre completo|nombre y apellidos|tu nombre|su nombre|"
     "nome completo|nome e cognome|il tuo nome|seu nome|volledige naam|uw naam|contact name|"
     "real name|author name|your full name"},
    {FullName, Modifier, 0.8, "author|autor|auteur|autore"},
    {FullName, Modifier, 0.6, "owner|webmaster"},
    // Category.
    {Category, Head, 1.0, "category|categories|cat|kategorie|rubrik|categorie|rubrique|categoria"},
    {Category, Head, 0.8, "genre|topic"},
    {Category, Head, 0.7, "thema|tema|section"},
    {Category, Head, 0.6, "onderwerp"},
    // Never filled from a profile: secrets, accounts, searches.
    {None, Head, 1.0,
     "password|passwort|kennwort|mot de passe|contrasena|senha|wachtwoord|captcha|security code|"
     "verification code|anti spam|antispam|are you human|robot|"
     "username|user name|uname|user id|userid|login|login name|account name|benutzername|"
     "nickname|nick name|nick|screen name|display name|public name|member name|pseudo|"
     "nom d utilisateur|identifiant|nombre de usuario|usuario|nome de usuario|nome utente|"
     "nome de utilizador|utilizador|gebruikersnaam|search|suche|suchbegriff|recherche|buscar|"
     "busqueda|cerca|pesquisa|zoeken|subcategory|sub category|unterkategorie|sous categorie|"
     "subcategoria|sottocategoria|language|sprache|langue|idioma|lingua"},
    // Honeypots ask to be left alone.
    {None, Warning, 1.0,
     "leave this field blank|leave this field empty|leave blank|leave empty|leave this empty|"
     "left unchanged|leave unchanged|for validation purposes|"
     "leave this blank|do not fill|dont fill|don t fill|do not change|should be empty|"
     "must be empty|keep this field blank|if you are human|not for humans|nicht ausfullen|"
     "leer lassen|ne pas remplir|laisser vide|no rellenar|dejar en blanco|lasciare vuoto|"
     "niet invullen"},
    // Never filled from a profile: other people's and organisations' names, postal addresses,
    // telephones, dates, payment and account codes.
    {None, Head, 1.0,
     "middle name|middle initial|second name|maiden name|company name|organisation name|"
     "organization name|business name|name of your organisation|name of your organization|"
     "name of your company|firmenname|nom de la societe|nom de l entreprise|"
     "nombre de la empresa|nome da empresa|nome dell azienda|bedrijfsnaam|street|street address|"
     "street name|address line|house number|postal address|mailing address|home address|"
     "billing address|shipping address|delivery address|city|town|zip|zip code|zipcode|"
     "postcode|post code|postal code|country|state|province|region|county|strasse|hausnummer|"
     "ort|stadt|plz|postleitzahl|land|rue|ville|code postal|pays|calle|ciudad|codigo postal|"
     "pais|provincia|citta|cap|rua|cidade|cep|straat|huisnummer|plaats|woonplaats|"
     "phone|telephone|phone number|mobile|cell|fax|tel|telefon|telefonnummer|handy|telephone|"
     "portable|telefono|movil|celular|telemovel|telefoon|mobiel|birthday|birth date|"
     "date of birth|dob|age|gender|sex|geburtsdatum|geschlecht|date de naissance|sexe|"
     "fecha de nacimiento|sexo|data di nascita|data de nascimento|geboortedatum|geslacht|"
     "coupon|coupon code|promo code|promotion code|voucher|discount code|gift card|"
     "invitation code|invite code|referral|referral code|referrer|referred by|recommended by|"
     "empfohlen von|gutschein|card number|credit card|card holder|cardholder|name on card|"
     "cvv|cvc|expiry|expiration|security question|secret question|answer|pin|otp|"
     "account number|customer number|member number|membership number|order number|quantity|"
     "qty|amount|price|date|time|subject|betreff|sujet|asunto|oggetto|assunto|onderwerp regel"},
    {None, Head, 0.85,
     "company|organisation|organization|business|employer|agency|institution|firma|unternehmen|"
     "entreprise|societe|empresa|azienda|societa|bedrijf"},
    {None, Head, 0.6, "message|comment|comments|code|nachricht|kommentar|mensaje|messaggio"},
};

} // namespace

std::span<const KeywordGroup> WesternKeywords()
{
    return kGroups;
}
