// The header words of Finnish, Hungarian, Turkish, Arabic and Hindi exports.
#include "core/HeaderWords.h"

namespace quillmere::core {
namespace {

using enum Sense;

// clang-format off
constexpr HeaderWord kWords[]{
    // fi
    {"kuva", Photo}, {"valokuva", Photo},
    {"koti", Home}, {"kodin", Home}, {"työ", Work}, {"työpaikan", Work},
    {"ensisijainen", Primary}, {"toissijainen", Secondary}, {"etunimi", Given},
    {"sukunimi", Family}, {"nimi", Name}, {"näyttönimi", Display}, {"sähköposti", Email},
    {"puhelin", Phone}, {"matkapuhelin", Mobile}, {"faksi", Fax}, {"faksin", Fax},
    {"osoite", Address}, {"katuosoite", Street}, {"kaupunki", City}, {"lääni", State},
    {"postinumero", Zip}, {"maa", Country}, {"ammattinimi", Job}, {"tehtävänimike", Job},
    {"osasto", Department}, {"järjestö", Company}, {"yritys", Company},
    {"organisaatio", Company}, {"verkkosivu", Web}, {"kotisivu", Web},
    {"muistiinpanot", Notes}, {"huomautukset", Notes}, {"lempinimi", Nickname},
    {"syntymä", Birthday}, {"syntymäpäivä", Birthday}, {"hakulaite", Pager},
    {"hakulaitteen", Pager}, {"oma", Block},
    // hu
    {"fénykép", Photo}, {"fotó", Photo}, {"kép", Photo},
    {"otthoni", Home}, {"munkahelyi", Work}, {"munkahely", Work}, {"elsődleges", Primary},
    {"másodlagos", Secondary}, {"utónév", Given}, {"keresztnév", Given},
    {"vezetéknév", Family}, {"név", Name}, {"megjelenő", Display}, {"cím", Address},
    {"utca", Street}, {"város", City}, {"állam", State}, {"megye", State},
    {"irányítószám", Zip}, {"ország", Country}, {"beosztás", Job}, {"részleg", Department},
    {"osztály", Department}, {"szervezet", Company}, {"cég", Company}, {"weboldal", Web},
    {"megjegyzés", Notes}, {"megjegyzések", Notes}, {"becenév", Nickname},
    {"születési", Birthday}, {"születésnap", Birthday}, {"személyhívó", Pager}, {"egyéni", Block},
    // tr
    {"fotoğraf", Photo}, {"resim", Photo},
    {"ev", Home}, {"iş", Work}, {"birinci", Primary}, {"ikinci", Secondary},
    {"adı", Given}, {"ad", Name}, {"soyadı", Family}, {"soyad", Family},
    {"görüntülenecek", Display}, {"e-posta", Email}, {"telefonu", Phone}, {"cep", Mobile}, {"cep telefonu", Mobile},
    {"numarası", Filler}, {"adresi", Address}, {"sokak", Street}, {"şehir", City},
    {"şehri", City}, {"bölge", State}, {"bölgesi", State}, {"eyalet", State},
    {"posta kodu", Zip}, {"ülke", Country}, {"ülkesi", Country}, {"unvan", Title},
    {"unvanı", Title}, {"bölüm", Department}, {"kurum", Company}, {"şirket", Company},
    {"kuruluş", Company}, {"sayfası", Filler}, {"notlar", Notes}, {"açıklama", Notes}, {"takma", Nickname}, {"takma adı", Nickname},
    {"doğum", Birthday}, {"doğum günü", Birthday}, {"çağrı", Pager},
    {"çağrı cihazı", Pager}, {"özel", Block}, {"ekran", Block},
    // ar
    {"صورة", Photo},
    {"المنزل", Home}, {"منزل", Home}, {"العمل", Work}, {"عمل", Work}, {"الاسم", Name},
    {"اسم", Name}, {"الأول", Given}, {"الأخير", Family}, {"العائلة", Family},
    {"العرض", Display}, {"البريد", Email}, {"بريد", Email}, {"الإلكتروني", Email},
    {"الرئيسي", Primary}, {"الثانوي", Secondary}, {"هاتف", Phone}, {"الهاتف", Phone},
    {"المحمول", Mobile}, {"محمول", Mobile}, {"الجوال", Mobile}, {"الفاكس", Fax},
    {"فاكس", Fax}, {"رقم", Filler}, {"عنوان", Address}, {"العنوان", Address},
    {"الشارع", Street}, {"مدينة", City}, {"المدينة", City}, {"ولاية", State},
    {"الولاية", State}, {"رمز بريد", Zip}, {"الرمز البريدي", Zip}, {"دولة", Country},
    {"الدولة", Country}, {"البلد", Country}, {"المسمى الوظيفي", Job}, {"القسم", Department},
    {"المنظمة", Company}, {"الشركة", Company}, {"صفحة", Filler}, {"الوب", Web},
    {"ملاحظات", Notes}, {"الكنية", Nickname}, {"جهاز الاستدعاء", Pager}, {"الميلاد", Birthday},
    {"مخصص", Block}, {"الشاشة", Block},
    // hi
    {"फ़ोटो", Photo}, {"फोटो", Photo}, {"तस्वीर", Photo}, {"चित्र", Photo},
    {"घर", Home}, {"कार्य", Work}, {"नाम", Name}, {"पहला", Given}, {"अंतिम", Family},
    {"ईमेल", Email}, {"फोन", Phone}, {"मोबाइल", Mobile}, {"फैक्स", Fax}, {"पता", Address},
    {"शहर", City}, {"राज्य", State}, {"पिन कोड", Zip}, {"देश", Country}, {"कंपनी", Company},
    {"विभाग", Department}, {"पद", Job}, {"नोट्स", Notes}, {"आवास", Home}, {"गृह", Home},
    {"कार्यालय", Work}, {"नगर", City}, {"जिपकोड", Zip}, {"प्रदर्शन", Display},
    {"उपनाम", Nickname}, {"प्राथमिक", Primary}, {"द्वितीयक", Secondary}, {"मेल", Email},
    {"ई-मेल", Email}, {"पेजर", Pager}, {"संख्या", Filler}, {"नंबर", Filler}, {"पदनाम", Job},
    {"संगठन", Company}, {"वेबपेज", Web}, {"टिप्पणी", Notes}, {"मनपसंद", Block},
};
// clang-format on

}  // namespace

std::span<const HeaderWord> otherHeaderWords() {
  return kWords;
}

}  // namespace quillmere::core
