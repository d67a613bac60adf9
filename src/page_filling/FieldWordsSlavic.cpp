// Keywords in Polish, Czech, Slovak, Russian and Ukrainian. A bare "Imię", "Jméno", "Meno",
// "Имя" or "Ім'я" is the given name beside a surname and the whole name alone.
#include "page_filling/FieldWordLists.h"

namespace {

using enum FieldMeaning;
using enum KeywordRole;

constexpr KeywordGroup kGroups[] = {
    {FeedAddress, Head, 1.0,
     "kanał rss|adres kanału rss|adres rss|kanál rss|adresa rss|adresa kanálu rss|rss kanál|"
     "rss лента|rss канал|адрес rss|адрес ленты|rss стрічка|адреса rss"},
    {SiteAddress, Head, 1.0,
     "strona www|strona internetowa|adres strony|adres www|witryna|webová stránka|"
     "webové stránky|adresa webu|webstránka|сайт|веб сайт|адрес сайта|url сайта|"
     "веб-сайт|сайт компании|адреса сайту|вебсайт"},
    {Title, Head, 1.0,
     "tytuł|nazwa strony|nazwa bloga|titulek|název webu|název blogu|nadpis|názov webu|"
     "názov stránky|заголовок|название сайта|название блога|назва сайту|назва блогу"},
    {Description, Head, 1.0, "opis|popis|описание|опис"},
    {Tags, Head, 1.0,
     "tagi|słowa kluczowe|štítky|klíčová slova|kľúčové slová|теги|метки|ключевые слова|"
     "мітки|ключові слова"},
    {Category, Head, 1.0, "kategoria|kategorie|kategória|категория|рубрика|категорія"},
    {Email, Head, 1.0,
     "adres e-mail|adres email|poczta|poczta e-mail|adres poczty elektronicznej|e-mailová adresa|"
     "emailová adresa|e-mailová adresa|elektronická pošta|электронная почта|эл почта|почта|"
     "адрес электронной почты|емейл|имейл|електронна пошта|ел пошта|пошта|"
     "адреса електронної пошти"},
    {FirstName, Head, 1.0, "křestní jméno|krstné meno"},
    {LastName, Head, 1.0, "nazwisko|příjmení|priezvisko|фамилия|прізвище"},
    {FullName, BareName, 0.8, "imię|jméno|meno|имя|ім'я"},
    {FullName, Head, 1.0,
     "imię i nazwisko|twoje imię|jméno a příjmení|celé jméno|vaše jméno|meno a priezvisko|"
     "celé meno|vaše meno|фио|имя и фамилия|ваше имя|піб|ім'я та прізвище|ваше ім'я"},
    {None, AnyAddress, 0.8, "adres|adresa|адрес|адреса"},
    {None, Head, 1.0,
     "hasło|nazwa użytkownika|użytkownik|login|nick|pseudonim|telefon|numer telefonu|ulica|"
     "miasto|kod pocztowy|nazwa firmy|firma|szukaj|wyszukaj|przepisz kod|kod z obrazka|"
     "drugie imię|heslo|uživatelské jméno|přihlašovací jméno|přezdívka|ulice|město|psč|"
     "název firmy|hledat|vyhledat|opište kód|kontrolní kód|používateľské meno|"
     "prihlasovacie meno|prezývka|telefón|ulica|mesto|názov firmy|hľadať|vyhľadať|"
     "opíšte kód|пароль|логин|имя пользователя|никнейм|ник|телефон|улица|город|индекс|"
     "почтовый индекс|компания|организация|название компании|поиск|найти|капча|"
     "код с картинки|отчество|логін|ім'я користувача|вулиця|місто|компанія|організація|"
     "пошук|знайти|по батькові|назва компанії"},
    {None, Warning, 1.0,
     "nie wypełniaj|nie wypełniać|nevyplňujte|nevypĺňajte|не заполняйте|не заповнюйте"},
    {None, Head, 0.6, "kod|kód|код|wiadomość|zpráva|správa|сообщение|повідомлення"},
};

} // namespace

std::span<const KeywordGroup> SlavicKeywords()
{
    return kGroups;
}
