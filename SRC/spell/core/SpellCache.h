// The misspellings of a document's lines for its views: a worker thread checks the lines a view
// asks for (those it shows and a margin around them), and the view paints from the results.
#pragma once

#include "spell/core/LineSpeller.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <vector>

// A line to check: its index, the text state before it (ReaderText.h) and a copy of its text.
struct SpellLineRequest {
    int line;
    uint32_t textState;
    std::string text;
};

class CSpellCache {
public:
    // Called on the worker thread after a line's result is stored, outside the cache's lock;
    // a view passes it on to its own thread and repaints the line.
    using ResultReady = std::function<void(int line)>;
    // Results of lines far from those asked for last are forgotten beyond this many.
    static constexpr int kMaxResults = 20000;

    CSpellCache(CSpellChecker& checker, ResultReady ready);
    ~CSpellCache();
    CSpellCache(const CSpellCache&) = delete;
    CSpellCache& operator=(const CSpellCache&) = delete;

    // The document's source type and the language of its Cyrillic words. A change forgets every
    // result and every waiting line.
    void SetDocument(SourceType sourceType, SpellLanguage cyrillic);

    // The misspellings of a line, when its result was made from this very text and text state;
    // false while it has none (ask for it with Request).
    bool Lookup(int line, uint32_t textState, std::string_view text,
                std::vector<Misspelling>& out) const;
    // Replaces the lines waiting to be checked by these, checked in this order; lines whose
    // result is still good are left out.
    void Request(std::vector<SpellLineRequest> lines);
    // The text changed: lines [first, first + removed) became inserted lines. Their results go,
    // and those of the lines below move with their lines.
    void LinesChanged(int first, int removed, int inserted);
    // A word was added to the personal list or ignored (after the checker took it): it leaves
    // every result now, without waiting for the lines to be checked again.
    void WordAccepted(std::string_view word);

    // Waits until no line waits and none is being checked.
    void WaitIdle();
    int ResultCount() const;

private:
    struct Result {
        size_t textHash;
        uint32_t textState;
        std::vector<Misspelling> misspellings;
        std::vector<std::string> words; // the text of each misspelling
    };
    static size_t Hash(std::string_view text) { return std::hash<std::string_view>{}(text); }
    bool IsCurrent(int line, size_t textHash, uint32_t textState) const;
    void Forget(int nearFirst, int nearLast);
    void Run();

    CSpellChecker& m_checker;
    const ResultReady m_ready;
    mutable std::mutex m_lock;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::unordered_map<int, Result> m_results;
    std::deque<SpellLineRequest> m_queue;
    SourceType m_sourceType = SourceType::PlainText;
    SpellLanguage m_cyrillic = SpellLanguage::Russian;
    uint64_t m_documentGeneration = 0; // grows with each SetDocument
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_worker; // last: starts once everything above is there
};
