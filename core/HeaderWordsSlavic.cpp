// The header words of Polish, Russian, Ukrainian and Czech exports. "Kraj" is a country in
// Polish but a region in Czech, so it names a country only where the row has no other.
#include "core/HeaderWords.h"

namespace quillmere::core {
namespace {

using enum Sense;

// clang-format off
constexpr HeaderWord kWords[]{
    // pl
    {"zdjęcie", Photo}, {"fotografia", Photo}, {"obraz", Photo},
    {"domowy", Home}, {"domowa", Home}, {"dom", Home}, {"prywatny", Home},
    {"służbowy", Work}, {"służbowa", Work}, {"służbowe", Work}, {"praca", Work},
    {"inny", Other}, {"podstawowy", Primary}, {"dodatkowy", Secondary},
    {"imię", Given}, {"nazwisko", Family}, {"nazwa", Name}, {"wyświetlana", Display},
    {"poczta", Email}, {"telefonu", Phone}, {"komórkowy", Mobile},
    {"komórkowego", Mobile}, {"komórka", Mobile}, {"faks", Fax}, {"faksu", Fax},
    {"ulica", Street}, {"miasto", City}, {"miejscowość", City}, {"województwo", State},
    {"kraj", Country, true}, {"państwo", Country}, {"kod pocztowy", Zip}, {"strona", Web},
    {"www", Web}, {"stanowisko", Job}, {"dział", Department}, {"organizacja", Company},
    {"notatki", Notes}, {"uwagi", Notes}, {"numer", Filler},
    {"pseudonim", Nickname}, {"urodziny", Birthday},
    {"data urodzenia", Birthday}, {"kategoria", Categories}, {"komunikator", Block},
    // ru
    {"фото", Photo}, {"фотография", Photo}, {"изображение", Photo},
    {"домашний", Home}, {"личный", Home}, {"рабочий", Work}, {"раб", Work},
    {"другой", Other}, {"альтернативный", Secondary}, {"имя", Given}, {"фамилия", Family},
    {"отчество", Middle}, {"отображаемое", Display}, {"электронной", Email},
    {"почты", Email}, {"почта", Email}, {"телефон", Phone}, {"мобильный", Mobile},
    {"мобильного", Mobile}, {"телефона", Phone}, {"факс", Fax}, {"факса", Fax},
    {"адрес", Address}, {"улица", Street}, {"город", City}, {"регион", State},
    {"область", State}, {"индекс", Zip}, {"почтовый индекс", Zip}, {"страна", Country},
    {"должность", Job}, {"отдел", Department}, {"организация", Company},
    {"компания", Company}, {"заметки", Notes}, {"примечания", Notes}, {"комментарий", Notes}, {"примечание", Notes}, {"номер", Filler},
    {"веб", Web}, {"страница", Filler}, {"псевдоним", Nickname}, {"рождения", Birthday},
    {"день рождения", Birthday}, {"дата рождения", Birthday}, {"категории", Categories},
    {"пейджера", Pager}, {"прочее", Block},
    // uk
    {"фото", Photo}, {"фотографія", Photo}, {"зображення", Photo},
    {"домашній", Home}, {"робочий", Work}, {"роб", Work}, {"альтернативна", Secondary},
    {"імя", Given}, {"прізвище", Family}, {"показу", Display}, {"для", Filler},
    {"адреса", Address}, {"електронної", Email}, {"пошти", Email}, {"мобільного", Mobile},
    {"мобільний", Mobile}, {"телефону", Phone}, {"факсу", Fax}, {"місто", City},
    {"поштовий індекс", Zip}, {"країна", Country}, {"посада", Job}, {"відділ", Department},
    {"організація", Company}, {"вебсторінка", Web}, {"сторінка", Filler},
    {"примітки", Notes}, {"псевдонім", Nickname},
    {"народження", Birthday}, {"день народження", Birthday}, {"інше", Block},
    // cs
    {"fotografie", Photo}, {"fotka", Photo}, {"obrázek", Photo},
    {"domů", Home}, {"domácí", Home}, {"soukromý", Home}, {"zaměstnání", Work},
    {"pracovní", Work}, {"práce", Work}, {"první", Primary}, {"druhý", Secondary},
    {"křestní", Given}, {"jméno", Name}, {"příjmení", Family}, {"zobrazované", Display},
    {"mobil", Mobile}, {"faxové", Fax}, {"číslo", Filler}, {"na", Filler}, {"adresa", Address},
    {"ulice", Street}, {"město", City}, {"psč", Zip}, {"země", Country}, {"pozice", Job},
    {"oddělení", Department}, {"společnost", Company}, {"organizace", Company},
    {"webová", Web}, {"stránka", Filler}, {"poznámky", Notes}, {"poznámka", Notes}, {"přezdívka", Nickname},
    {"narození", Birthday}, {"narozeniny", Birthday}, {"vlastní", Block},
};
// clang-format on

}  // namespace

std::span<const HeaderWord> slavicHeaderWords() {
  return kWords;
}

}  // namespace quillmere::core
