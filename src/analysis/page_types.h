// The type lookup of one code page at the moment a member list is wanted: the
// page's own types (its scanner), then the include database, where the files
// the page's include lines reach come first. The chain of those files is
// taken from a cache, so it is resolved again only when the page's include
// lines, its folder or the search folders change.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/type_resolver.h"

namespace tavrin {

class TDataBase;
class IncludeChainCache;

using TypeLookup = std::function<std::optional<TypeMembers>(std::string_view)>;

// pageText: the page's present text; pageFile: its file ("" when never
// saved); searchFolders: see IncludeSearchFolders. The scanner and the
// database (which may be null) must outlive the lookup.
TypeLookup PageTypeLookup(std::string_view pageText, const std::string& pageFile, const TScanner& pageScanner,
                          const TDataBase* database, const std::vector<std::string>& searchFolders,
                          IncludeChainCache& chains);

}  // namespace tavrin
