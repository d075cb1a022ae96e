// The header words of French, Spanish, Italian and Portuguese exports.
#include "core/HeaderWords.h"

namespace quillmere::core {
namespace {

using enum Sense;

// clang-format off
constexpr HeaderWord kWords[]{
    // fr
    {"photo", Photo}, {"image", Photo}, {"photographie", Photo},
    {"domicile", Home}, {"personnel", Home}, {"personnelle", Home}, {"privée", Home},
    {"maison", Home}, {"bureau", Work}, {"professionnel", Work}, {"professionnelle", Work},
    {"travail", Work}, {"autre", Other}, {"principal", Primary}, {"principale", Primary},
    {"secondaire", Secondary}, {"prénom", Given}, {"nom", Name}, {"famille", Family},
    {"afficher", Display}, {"affichage", Display}, {"complet", Full}, {"civilité", Prefix},
    {"courriel", Email}, {"messagerie", Email}, {"électronique", Email},
    {"téléphone", Phone}, {"tél", Phone}, {"portable", Mobile}, {"cellulaire", Mobile},
    {"télécopie", Fax}, {"rue", Street}, {"ville", City}, {"région", State},
    {"état", State}, {"pays", Country}, {"code postal", Zip}, {"fonction", Job},
    {"poste", Job}, {"titre", Title}, {"société", Company}, {"entreprise", Company},
    {"service", Department}, {"remarques", Notes}, {"remarque", Notes}, {"commentaire", Notes}, {"commentaires", Notes},
    {"numéro", Filler}, {"de", Filler}, {"du", Filler}, {"des", Filler}, {"la", Filler},
    {"le", Filler}, {"surnom", Nickname}, {"naissance", Birthday},
    {"date de naissance", Birthday}, {"anniversaire", Birthday},
    {"anniversaire de mariage", Anniversary}, {"anniversaire de mariage ou fête", Anniversary},
    {"récepteur de radiomessagerie", Pager}, {"catégories", Categories},
    {"catégorie", Categories}, {"boîte postale", Block},
    // es
    {"foto", Photo}, {"fotografía", Photo}, {"imagen", Photo},
    {"casa", Home}, {"particular", Home}, {"domicilio", Home}, {"residencia", Home},
    {"donde vive", Home}, {"trabajo", Work}, {"oficina", Work}, {"laboral", Work},
    {"otro", Other}, {"otra", Other}, {"secundaria", Secondary}, {"secundario", Secondary},
    {"nombre", Name}, {"primer", Given}, {"apellido", Family}, {"apellidos", Family},
    {"mostrado", Display}, {"mostrar", Display}, {"completo", Full}, {"tratamiento", Prefix},
    {"correo", Email}, {"electrónico", Email}, {"código postal", Zip}, {"teléfono", Phone}, {"móvil", Mobile}, {"celular", Mobile},
    {"dirección", Address}, {"calle", Street}, {"ciudad", City}, {"provincia", State},
    {"estado", State, true}, {"país", Country}, {"página", Filler}, {"sitio", Filler},
    {"puesto", Job}, {"cargo", Job}, {"título", Title}, {"compañía", Company},
    {"empresa", Company}, {"organización", Company}, {"departamento", Department},
    {"notas", Notes}, {"observaciones", Notes}, {"observación", Notes}, {"nota", Notes}, {"comentario", Notes}, {"comentarios", Notes}, {"del", Filler}, {"el", Filler},
    {"en", Filler}, {"apodo", Nickname}, {"nacimiento", Birthday},
    {"fecha de nacimiento", Birthday}, {"cumpleaños", Birthday}, {"categorías", Categories},
    {"categoría", Categories}, {"buscapersonas", Pager},
    {"personalizado", Block},
    // it
    {"foto", Photo}, {"fotografia", Photo}, {"immagine", Photo},
    {"abitazione", Home}, {"residenza", Home}, {"personale", Home}, {"ab", Home},
    {"lavoro", Work}, {"ufficio", Work}, {"uff", Work}, {"altro", Other},
    {"primaria", Primary}, {"secondaria", Secondary}, {"secondario", Secondary}, {"nome", Name}, {"cognome", Family}, {"visualizzato", Display},
    {"posta", Email}, {"elettronica", Email}, {"telefono", Phone}, {"cellulare", Mobile},
    {"indirizzo", Address}, {"via", Street}, {"città", City}, {"regione", State},
    {"paese", Country}, {"nazione", Country}, {"cap", Zip}, {"pagina", Filler},
    {"sito", Filler}, {"qualifica", Job}, {"posizione", Job}, {"titolo", Title},
    {"società", Company}, {"azienda", Company}, {"organizzazione", Company},
    {"reparto", Department}, {"commenti", Notes}, {"osservazioni", Notes}, {"annotazioni", Notes}, {"commento", Notes}, {"numero", Filler}, {"di", Filler},
    {"della", Filler}, {"soprannome", Nickname}, {"nascita", Birthday},
    {"data di nascita", Birthday}, {"compleanno", Birthday}, {"anniversario", Anniversary},
    {"categorie", Categories}, {"categoria", Categories}, {"cercapersone", Pager},
    // pt
    {"foto", Photo}, {"fotografia", Photo}, {"imagem", Photo},
    {"residencial", Home}, {"pessoal", Home}, {"comercial", Work}, {"profissional", Work},
    {"local de trabalho", Work}, {"trabalho", Work}, {"outro", Other}, {"primário", Primary},
    {"secundário", Secondary}, {"primeiro", Given}, {"sobrenome", Family},
    {"exibição", Display}, {"exibido", Display}, {"a mostrar", Display},
    {"correio", Email}, {"eletrônico", Email}, {"telefone", Phone}, {"telemóvel", Mobile},
    {"endereço", Address}, {"rua", Street}, {"logradouro", Street}, {"cidade", City},
    {"distrito", State}, {"cep", Zip}, {"site", Filler}, {"função", Job},
    {"companhia", Company}, {"organização", Company}, {"setor", Department},
    {"observações", Notes}, {"observação", Notes}, {"observacoes", Notes}, {"anotações", Notes}, {"do", Filler}, {"da", Filler},
    {"dos", Filler}, {"nascimento", Birthday}, {"data de nascimento", Birthday},
    // Portugal's export heads the surname "Apelido" and the home town and country with the
    // words for birthplace and nationality.
    {"apelido", Family, true}, {"naturalidade", City, true}, {"nacionalidade", Country, true},
};
// clang-format on

}  // namespace

std::span<const HeaderWord> romanceHeaderWords() {
  return kWords;
}

}  // namespace quillmere::core
