#include "script/core/Keyword.h"

#include <array>
#include <cstddef>

namespace zeto::script {

namespace {

struct Entry {
    std::string_view word;
    Keyword keyword;
};

// Sorted, so that the words of one first letter stand together.
constexpr std::array<Entry, 58> kWords{{
    {"and", Keyword::And},
    {"byref", Keyword::ByRef},
    {"byval", Keyword::ByVal},
    {"call", Keyword::Call},
    {"case", Keyword::Reserved},
    {"class", Keyword::Reserved},
    {"const", Keyword::Reserved},
    {"dim", Keyword::Dim},
    {"do", Keyword::Reserved},
    {"each", Keyword::Reserved},
    {"else", Keyword::Reserved},
    {"elseif", Keyword::Reserved},
    {"empty", Keyword::Empty},
    {"end", Keyword::End},
    {"eqv", Keyword::Eqv},
    {"erase", Keyword::Reserved},
    {"execute", Keyword::Reserved},
    {"executeglobal", Keyword::Reserved},
    {"exit", Keyword::Exit},
    {"false", Keyword::False},
    {"for", Keyword::Reserved},
    {"function", Keyword::Reserved},
    {"goto", Keyword::Reserved},
    {"if", Keyword::Reserved},
    {"imp", Keyword::Imp},
    {"in", Keyword::Reserved},
    {"is", Keyword::Reserved},
    {"let", Keyword::Reserved},
    {"loop", Keyword::Reserved},
    {"me", Keyword::Reserved},
    {"mod", Keyword::Mod},
    {"new", Keyword::Reserved},
    {"next", Keyword::Reserved},
    {"not", Keyword::Not},
    {"nothing", Keyword::Reserved},
    {"null", Keyword::Reserved},
    {"on", Keyword::Reserved},
    {"option", Keyword::Reserved},
    {"or", Keyword::Or},
    {"private", Keyword::Reserved},
    {"property", Keyword::Reserved},
    {"public", Keyword::Reserved},
    {"randomize", Keyword::Reserved},
    {"redim", Keyword::Reserved},
    {"rem", Keyword::Rem},
    {"select", Keyword::Reserved},
    {"set", Keyword::Reserved},
    {"step", Keyword::Reserved},
    {"stop", Keyword::Reserved},
    {"sub", Keyword::Sub},
    {"then", Keyword::Reserved},
    {"to", Keyword::Reserved},
    {"true", Keyword::True},
    {"until", Keyword::Reserved},
    {"wend", Keyword::Reserved},
    {"while", Keyword::Reserved},
    {"with", Keyword::Reserved},
    {"xor", Keyword::Xor},
}};

struct Bucket {
    std::size_t begin;
    std::size_t end;
};

constexpr std::array<Bucket, 26> makeBuckets() {
    std::array<Bucket, 26> buckets{};
    for (std::size_t i = kWords.size(); i-- > 0;) {
        Bucket& b = buckets[static_cast<std::size_t>(kWords[i].word[0] - 'a')];
        if (b.end == 0) b.end = i + 1;
        b.begin = i;
    }
    return buckets;
}

constexpr std::array<Bucket, 26> kBuckets = makeBuckets();

}  // namespace

Keyword keywordOf(std::string_view word) {
    // Longest reserved word: "executeglobal".
    constexpr std::size_t kLongest = 13;
    if (word.empty() || word.size() > kLongest) return Keyword::None;
    char lower[kLongest];
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = word[i];
        lower[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
    }
    if (lower[0] < 'a' || lower[0] > 'z') return Keyword::None;
    const std::string_view key(lower, word.size());
    const Bucket& bucket = kBuckets[static_cast<std::size_t>(lower[0] - 'a')];
    for (std::size_t i = bucket.begin; i < bucket.end; ++i) {
        if (kWords[i].word == key) return kWords[i].keyword;
    }
    return Keyword::None;
}

}  // namespace zeto::script
