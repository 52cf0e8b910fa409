#include "analysis/page_types.h"

#include <memory>

#include "analysis/include_chain.h"
#include "analysis/include_database.h"
#include "common/paths.h"

namespace tavrin {

TypeLookup PageTypeLookup(std::string_view pageText, const std::string& pageFile, const TScanner& pageScanner,
                          const TDataBase* database, const std::vector<std::string>& searchFolders,
                          IncludeChainCache& chains) {
    std::shared_ptr<const IncludeChain> chain;
    if (database) chain = chains.Chain(ExtractFileDir(pageFile), IncludeNames(pageText), searchFolders);
    auto resolver = std::make_shared<TypeResolver>(
        [&pageScanner](std::string_view name) { return pageScanner.FindSymbol(name); },
        database ? &database->Entries() : nullptr, chain.get());
    // The lookup keeps the chain and the resolver (with the files it read) alive.
    return [resolver, chain](std::string_view name) { return resolver->Resolve(name); };
}

}  // namespace tavrin
