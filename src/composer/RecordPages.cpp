#include "RecordPage.h"

#include <array>

namespace composer {

std::span<const RecordPage *const> RecordPages()
{
    static constexpr std::array<const RecordPage *, 4> pages
        = {&kArmorPage, &kEtcItemPage, &kWeaponPage, &kArmorSetsPage};
    return pages;
}

} // namespace composer
