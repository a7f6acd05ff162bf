#pragma once

namespace PathwellControls::Identifiers {

// Fixed for good: hosts bind to these.
inline constexpr char kLibraryName[] = "PathwellControls";
inline constexpr char kLibraryVersion[] = "1.0";
inline constexpr char kLibraryLocale[] = "0x409";
inline constexpr char kLibrary[] = "{7269A046-8140-4BA6-851C-86E115995EFC}";
inline constexpr char kListbarClassName[] = "PathwellControls.Listbar";

inline constexpr char kListbarClass[] = "{3901B74D-BF7A-4451-8278-28D0BB010BEC}";
inline constexpr char kGroupsClass[] = "{369C82ED-72DE-472C-B661-7DEE7667A45D}";
inline constexpr char kGroupClass[] = "{65C02C89-BD91-4B8F-851C-B145E4C8E02E}";
inline constexpr char kItemsClass[] = "{DDC346BD-DDF2-4DB6-8AF9-26130BFC9360}";
inline constexpr char kItemClass[] = "{16BEFDD3-B55D-4273-9779-7732B17A3960}";
inline constexpr char kImageListClass[] = "{E5648B41-B409-459A-9C5F-1469561D6179}";
// Not ours: the class of the standard font object, under which hosts save fonts.
inline constexpr char kStandardFontClass[] = "{0BE35203-8F91-11CE-9DE3-00AA004BB851}";

inline constexpr char kListbarInterface[] = "{56264084-0D6E-4608-9284-D839251D6B93}";
inline constexpr char kListbarEventsInterface[] = "{BCB426FD-EA23-475B-BB5F-8444E7883EA1}";
inline constexpr char kGroupsInterface[] = "{623B9C2D-80E9-4D78-976B-57147BEC7AD1}";
inline constexpr char kGroupInterface[] = "{F3040844-1982-4127-BDC1-09CB566A25F6}";
inline constexpr char kItemsInterface[] = "{FC51C101-3990-4EE5-871E-F8D74F179E6A}";
inline constexpr char kItemInterface[] = "{0888A1B0-C703-445D-BC6A-8A01FD5A2F07}";
inline constexpr char kImageListInterface[] = "{1A1E0C85-4082-42CD-AB8B-58280FB06FFC}";
inline constexpr char kSubclassInterface[] = "{906B1F8E-942C-4D33-A2D1-C6026426073D}";

} // namespace PathwellControls::Identifiers
