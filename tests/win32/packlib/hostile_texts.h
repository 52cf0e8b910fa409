// Hostile value texts, made the same way on every run from a fixed seed: numbers at the
// edges and in every notation, object addresses that name no live object of the right
// class, very long texts, format directives, control characters and value names in odd
// letter case, topped up with random texts of those kinds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct HostileTextSet {
    std::vector<std::string> texts;
    std::size_t fixed = 0;  // texts[0, fixed) are the fixed ones, the rest random
};

// addresses: address texts the caller knows (freed blocks, foreign objects, live objects
// of every kind); they are used as they are and with small offsets.
HostileTextSet HostileTexts(std::size_t count, std::uint32_t seed,
                            const std::vector<std::string>& addresses);
