#pragma once

#include "audit/Pruefergebnis.h"

#include <QByteArray>
#include <QHash>

#include <array>

#include <optional>
#include <vector>

// Walks the rows of one chain in ID order and finds what no longer fits: a row whose content does
// not match its value, a row without values, and every broken link, told apart as a deleted,
// inserted or moved row. The findings name rows by ID; the caller puts them into words.
class Kettenpruefer {
public:
    // One stored row: its values as stored and the value its content gives now. The bytes may
    // belong to the reader and are valid during pruefen() only.
    struct Zeile {
        qlonglong id = 0;
        qint64 laufnr = 0; // the number in the order of storing, when the row has values
        bool mitWerten = false; // Vorgaenger and Pruefwert are 32-byte values
        QByteArray vorgaenger;
        QByteArray pruefwert;
        QByteArray berechnet;
        // A logbook row's references to master rows, in the order of fahrtnamen::verweisfelder;
        // 0 for none.
        std::array<qint64, 7> verweise{};
    };

    explicit Kettenpruefer(pruefkette::Kette kette);

    void pruefen(const Zeile& zeile);
    // Compares the end of the chain with its notes (none: T_Pruefkette has no row for the chain)
    // and returns every finding in ID order of the rows named.
    std::vector<Pruefbefund> abschliessen(const std::optional<pruefkette::Kopf>& vermerkt);
    // The chain's length and the last value recomputed from the content, not the stored one;
    // valid after abschliessen(). Without a finding both agree along the whole chain.
    pruefkette::Kopf berechneterKopf() const { return {anzahl_, letzterBerechnet_}; }

private:
    // Values are told apart by their first 8 bytes, which keeps a million rows in a few megabytes.
    using Kennung = quint64;
    using Stellen = QHash<Kennung, std::size_t>;

    struct Bruch {
        std::size_t stelle; // position among the rows with values
        Kennung vorgaenger;
        bool selbstVeraendert; // the row's own content was changed
        bool vorherVeraendert; // the row before it was changed
    };

    void befund(Pruefbefund::Art art, qlonglong id);
    void bruchEinordnen(const Bruch& bruch, const Stellen& stellen);
    void endeEinordnen(const pruefkette::Kopf& vermerkt, const Stellen& stellen);
    void eingefuegt(std::size_t von, std::size_t bis);
    Stellen stellenNachWert() const;

    pruefkette::Kette kette_;
    qint64 anzahl_ = 0;
    QByteArray letzterWert_ = pruefkette::ohneVorgaenger();
    QByteArray letzterBerechnet_ = pruefkette::ohneVorgaenger();
    bool letzterVeraendert_ = false;
    pruefkette::Kopf kopf_;      // as stored
    std::vector<qlonglong> ids_; // rows with values, in order
    std::vector<Kennung> werte_; // their values
    std::vector<Bruch> brueche_;
    std::vector<Pruefbefund> befunde_;
    QSet<qlonglong> benannt_; // rows that already have a finding
};
