#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/ContactField.h"
#include "core/VCardVersion.h"

namespace quillmere::core {

// Where the user will import the cards. Each place reads vCards its own way; choosing one sets
// the version and file mode it reads best and writes the standard forms it needs.
enum class Destination : unsigned char {
  AnyApp,  // the plain layout, the files Quillmere has always written
  Android,
  ICloud,
  Google,
  Outlook,
  CardDav,
  Thunderbird,
};

struct DestinationProfile {
  Destination destination;
  std::string_view name;                // as the command line takes it: "any", "android", ...
  std::string_view label;               // as the window shows it
  std::optional<VCardVersion> version;  // the version it reads best; none for the user's own
  bool singleFile;                      // all contacts in one file, else one file per contact
  std::int32_t maxCardsPerFile;         // 0 for no limit
  std::size_t maxCardBytes;             // 0 for no limit
  bool standardForms;
};

inline constexpr std::array<DestinationProfile, 7> kDestinations{{
    {Destination::AnyApp, "any", "Any app", std::nullopt, false, 0, 0, false},
    // Android's own vCard library reads 3.0 whole; several of its builds refuse 4.0.
    {Destination::Android, "android", "Android", VCardVersion::V30, true, 0, 0, true},
    // iCloud refuses 4.0, takes at most 50,000 cards an import and 256 KB a card.
    {Destination::ICloud, "icloud", "iPhone and iCloud", VCardVersion::V30, true, 50000, 256 * 1024,
     true},
    {Destination::Google, "google", "Google Contacts", VCardVersion::V30, true, 0, 0, true},
    // Outlook imports only the first card of a file, and reads 2.1's quoted-printable UTF-8
    // where it takes 3.0's bare UTF-8 for the system's code page.
    {Destination::Outlook, "outlook", "Outlook", VCardVersion::V21, false, 0, 0, true},
    // CardDAV servers refuse 2.1 and take 3.0 and 4.0 alike.
    {Destination::CardDav, "carddav", "Nextcloud and CardDAV", VCardVersion::V30, true, 0, 0, true},
    // Some Thunderbird versions garble UTF-8 text importing 4.0.
    {Destination::Thunderbird, "thunderbird", "Thunderbird", VCardVersion::V30, true, 0, 0, true},
}};

constexpr const DestinationProfile& profileOf(Destination destination) {
  return kDestinations[static_cast<std::size_t>(destination)];
}

std::optional<Destination> destinationNamed(std::string_view name);

// The plain layout leaves these out; a destination's standard forms write them (the honorific
// as N's prefix, the home fax, a whole address as the street or the formatted address).
constexpr bool writtenOnlyForADestination(Field field) {
  return field == Field::Title || field == Field::HomeFaxNumber ||
         field == Field::BusinessAddress || field == Field::HomeAddress;
}

// The most contacts one file may hold: the user's limit (0 for none) or the destination's,
// whichever is lower; 0 for no limit.
std::int32_t contactsPerFile(Destination destination, std::int32_t userLimit);

}  // namespace quillmere::core
