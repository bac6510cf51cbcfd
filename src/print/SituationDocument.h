#pragma once

#include "print/PageFrame.h"
#include "print/PrintDocument.h"
#include "print/SituationRequest.h"

#include <QList>
#include <QString>
#include <vector>

class Database;
class Profile;

// The situation of counterparts over a period: for each record a page (more when its items do
// not fit one) with its kind and the items moved with it, each with its net quantity, the
// returns counted negative.
class SituationDocument : public PrintDocument {
public:
    struct ItemLine {
        QString code;        // Matricola
        QString description; // Descrizione
        QString category;    // "Standard" when the item has none
        QString quantity;    // FormatNumber, a space and the unit, "XX." without one
    };
    struct Counterpart {
        int key = 0;
        QString name; // RagSoc, null when the record has none
        QString kind; // "Operaio", "Cliente" or "Fornitore"
        QList<ItemLine> items;
    };

    static constexpr int kItemsPerPage = 48;
    static constexpr int kTitleMaxChars = 50;
    static constexpr int kTitleCutChars = 47;

    SituationDocument(const PrintSource& source, const QDate& from, const QDate& to,
                      QList<Counterpart> records);

    // The records with these keys in their order (a record that is gone is left out), with the
    // items moved with each of them from periodStart() to periodEnd(). False when a query
    // failed (db.errorText() tells why).
    static bool ReadRecords(Database& db, const Profile& profile, const QList<int>& keys,
                            const SituationRequest& period, QList<Counterpart>* records);

    // "Situazione di " and the name ("-" for none), cut to 47 characters and "..." beyond 50.
    static QString Title(const QString& name);
    // Totale less twice the returned quantity, with the unit ("XX." when there is none).
    static QString NetQuantity(const Profile& profile, double total, double returned,
                               const QString& unit);

    int pageCount() const override { return int(m_pages.size()); }
    void drawPage(PageFrame& frame, int page) override;
    QString fileBaseName() const override;

private:
    struct Page {
        int record = 0;
        int firstItem = 0;
    };

    CompanyHeader m_company;
    QString m_logoFile;
    QDate m_from, m_to;
    QList<Counterpart> m_records;
    std::vector<Page> m_pages;
};
