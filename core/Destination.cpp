#include "core/Destination.h"

#include <algorithm>

namespace quillmere::core {

std::optional<Destination> destinationNamed(std::string_view name) {
  for (const DestinationProfile& profile : kDestinations) {
    if (profile.name == name) return profile.destination;
  }
  return std::nullopt;
}

std::int32_t contactsPerFile(Destination destination, std::int32_t userLimit) {
  const std::int32_t own = profileOf(destination).maxCardsPerFile;
  if (own == 0 || userLimit <= 0) return std::max(own, std::max(userLimit, 0));
  return std::min(own, userLimit);
}

}  // namespace quillmere::core
