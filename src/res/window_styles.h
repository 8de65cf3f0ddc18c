// Window and control style bits used by the dialog templates, with the values
// Windows gives them, so that the templates mean the same thing on every front end.
#pragma once

#include <cstdint>

namespace hexcribe::res {

// Window styles.
inline constexpr std::uint32_t kWsPopup = 0x80000000u;
inline constexpr std::uint32_t kWsChild = 0x40000000u;
inline constexpr std::uint32_t kWsVisible = 0x10000000u;
inline constexpr std::uint32_t kWsCaption = 0x00C00000u;
inline constexpr std::uint32_t kWsBorder = 0x00800000u;
inline constexpr std::uint32_t kWsVScroll = 0x00200000u;
inline constexpr std::uint32_t kWsSysMenu = 0x00080000u;
inline constexpr std::uint32_t kWsGroup = 0x00020000u;
inline constexpr std::uint32_t kWsTabStop = 0x00010000u;
inline constexpr std::uint32_t kWsExAppWindow = 0x00040000u;

// Dialog styles.
inline constexpr std::uint32_t kDsSetFont = 0x0040u;
inline constexpr std::uint32_t kDsModalFrame = 0x0080u;

// Static controls.
inline constexpr std::uint32_t kSsTypeMask = 0x001Fu;  // the bits that say which kind of static control
inline constexpr std::uint32_t kSsLeft = 0x0000u;
inline constexpr std::uint32_t kSsIcon = 0x0003u;
inline constexpr std::uint32_t kSsNoPrefix = 0x0080u;

// Edit controls.
inline constexpr std::uint32_t kEsMultiline = 0x0004u;
inline constexpr std::uint32_t kEsAutoVScroll = 0x0040u;
inline constexpr std::uint32_t kEsNoHideSel = 0x0100u;  // the selection stays drawn without the focus
inline constexpr std::uint32_t kEsReadOnly = 0x0800u;
inline constexpr std::uint32_t kEsWantReturn = 0x1000u;

// Buttons.
inline constexpr std::uint32_t kBsPushButton = 0x0000u;
inline constexpr std::uint32_t kBsDefPushButton = 0x0001u;
inline constexpr std::uint32_t kBsAutoCheckBox = 0x0003u;
inline constexpr std::uint32_t kBsTypeMask = 0x000Fu;

// List views: one row per item with columns, one row selected at a time and drawn so without the
// focus, the rows asked for as they are drawn (the program keeps them).
inline constexpr std::uint32_t kLvsReport = 0x0001u;
inline constexpr std::uint32_t kLvsSingleSel = 0x0004u;
inline constexpr std::uint32_t kLvsShowSelAlways = 0x0008u;
inline constexpr std::uint32_t kLvsOwnerData = 0x1000u;

// Combo boxes.
inline constexpr std::uint32_t kCbsDropDownList = 0x0003u;
inline constexpr std::uint32_t kCbsTypeMask = 0x0003u;
inline constexpr std::uint32_t kCbsSort = 0x0100u;

}  // namespace hexcribe::res
