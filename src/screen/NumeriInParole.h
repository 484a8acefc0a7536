#pragma once
// Counts in words, as the voice says them in one language: "uno", "ventitré", "einundzwanzig",
// by ICU's spell-out rules. A language ICU has no words for gets digits, which its own voice reads
// as numbers, never another language's words.

#include <QString>

#include <functional>
#include <memory>

class NumeriInParole {
public:
    // Says once, in a line for standard error, that the language has no words and gets digits.
    using Avviso = std::function<void(const QString& riga)>;

    // lingua: an ISO 639 code, "it".
    explicit NumeriInParole(QString lingua, Avviso avviso = {});
    ~NumeriInParole();
    NumeriInParole(const NumeriInParole&) = delete;
    NumeriInParole& operator=(const NumeriInParole&) = delete;

    const QString& lingua() const { return lingua_; }
    QString inParole(int valore);

private:
    struct Formato;
    // Made at the first count, since building it parses its rules; tried once, whatever comes of it.
    void prepara();

    const QString lingua_;
    const Avviso avviso_;
    bool preparato_ = false;
    std::unique_ptr<Formato> formato_;  // none: digits
};
