// The per-line results and the worker thread that fills them.
#include "spell/core/SpellCache.h"

#include "spell/core/WordSet.h"

#include <algorithm>
#include <climits>
#include <new>

CSpellCache::CSpellCache(CSpellChecker& checker, ResultReady ready)
    : m_checker(checker), m_ready(std::move(ready)), m_worker([this] { Run(); })
{
}

CSpellCache::~CSpellCache()
{
    {
        const std::lock_guard lock(m_lock);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_worker.join();
}

void CSpellCache::SetDocument(SourceType sourceType, SpellLanguage cyrillic)
{
    const std::lock_guard lock(m_lock);
    m_sourceType = sourceType;
    m_cyrillic = cyrillic;
    ++m_documentGeneration;
    m_results.clear();
    m_queue.clear();
}

bool CSpellCache::IsCurrent(int line, size_t textHash, uint32_t textState) const
{
    const auto found = m_results.find(line);
    return found != m_results.end() && found->second.textHash == textHash
           && found->second.textState == textState;
}

bool CSpellCache::Lookup(int line, uint32_t textState, std::string_view text,
                         std::vector<Misspelling>& out) const
{
    const size_t textHash = Hash(text);
    const std::lock_guard lock(m_lock);
    if (!IsCurrent(line, textHash, textState))
        return false;
    out = m_results.at(line).misspellings;
    return true;
}

void CSpellCache::Request(std::vector<SpellLineRequest> lines)
{
    int first = INT_MAX, last = INT_MIN;
    for (const SpellLineRequest& request : lines) {
        first = std::min(first, request.line);
        last = std::max(last, request.line);
    }
    {
        const std::lock_guard lock(m_lock);
        m_queue.clear();
        for (SpellLineRequest& request : lines)
            if (!IsCurrent(request.line, Hash(request.text), request.textState))
                m_queue.push_back(std::move(request));
        if (!lines.empty())
            Forget(first, last);
    }
    m_wake.notify_all();
}

// Keeps the results near the lines asked for when there are too many.
void CSpellCache::Forget(int nearFirst, int nearLast)
{
    if (static_cast<int>(m_results.size()) <= kMaxResults)
        return;
    const int reach = kMaxResults / 2;
    std::erase_if(m_results, [&](const auto& entry) {
        return entry.first < nearFirst - reach || entry.first > nearLast + reach;
    });
}

void CSpellCache::LinesChanged(int first, int removed, int inserted)
{
    const std::lock_guard lock(m_lock);
    std::unordered_map<int, Result> moved;
    moved.reserve(m_results.size());
    for (auto& [line, result] : m_results) {
        if (line < first)
            moved.emplace(line, std::move(result));
        else if (line >= first + removed)
            moved.emplace(line - removed + inserted, std::move(result));
    }
    m_results = std::move(moved);
}

void CSpellCache::WordAccepted(std::string_view word)
{
    CWordSet accepted;
    accepted.Add(word);
    const std::lock_guard lock(m_lock);
    for (auto& [line, result] : m_results) {
        size_t kept = 0;
        for (size_t k = 0; k < result.words.size(); ++k) {
            if (accepted.Contains(result.words[k]))
                continue;
            result.misspellings[kept] = result.misspellings[k];
            result.words[kept] = std::move(result.words[k]);
            ++kept;
        }
        result.misspellings.resize(kept);
        result.words.resize(kept);
    }
}

void CSpellCache::WaitIdle()
{
    std::unique_lock lock(m_lock);
    m_idle.wait(lock, [&] { return m_queue.empty() && !m_busy; });
}

int CSpellCache::ResultCount() const
{
    const std::lock_guard lock(m_lock);
    return static_cast<int>(m_results.size());
}

void CSpellCache::Run()
{
    CLineSpeller speller(m_checker);
    std::vector<Misspelling> found;
    std::unique_lock lock(m_lock);
    for (;;) {
        m_wake.wait(lock, [&] { return m_stopping || !m_queue.empty(); });
        if (m_stopping)
            return;
        SpellLineRequest job = std::move(m_queue.front());
        m_queue.pop_front();
        const uint64_t document = m_documentGeneration;
        const SourceType sourceType = m_sourceType;
        const SpellLanguage cyrillic = m_cyrillic;
        m_busy = true;
        lock.unlock();

        const uint32_t words = m_checker.Generation();
        const CSingleLineSource source(job.text);
        try {
            speller.Check(sourceType, cyrillic, job.textState, source, 0, found);
        } catch (const std::bad_alloc&) {
            found.clear(); // a line too long for the room its check needs goes unmarked
        }

        lock.lock();
        bool stored = false;
        if (document != m_documentGeneration) {
            // Checked for another document setting: of no use.
        } else if (words != m_checker.Generation()) {
            // A word was accepted meanwhile and may be among those found: check again.
            m_queue.push_front(std::move(job));
            m_busy = false;
            continue;
        } else {
            Result result{Hash(job.text), job.textState, found, {}};
            for (const Misspelling& misspelling : found)
                result.words.emplace_back(job.text, misspelling.start, misspelling.length);
            m_results[job.line] = std::move(result);
            stored = true;
        }
        if (stored && m_ready) {
            lock.unlock();
            m_ready(job.line);
            lock.lock();
        }
        m_busy = false;
        if (m_queue.empty())
            m_idle.notify_all();
    }
}
