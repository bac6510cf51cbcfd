#pragma once

#include "store/KeyedListModel.h"
#include "store/RowBlockCache.h"

#include <QIcon>

class Profile;

// The movements list: the keys of the movement headers the settings' query gives, in its order,
// and the texts of a few screenfuls of rows, read by key a block at a time. While a movement
// edit runs (busy) it supplies no texts, so nothing reads the archive inside the edit.
class MovListModel : public KeyedListModel {
    Q_OBJECT
public:
    enum Column { Data, Numero, CliFor, Prezzo, Imposta, Totale, ColumnCount };
    enum Role { KeyRole = Qt::UserRole + 1, TipoRole, IconRole };
    // The row icons by type: load, return, sale or receipt, unpaid sale or receipt.
    enum Icon { NoIcon = -1, LoadIcon = 2, SaleIcon = 3, ReturnIcon = 4, UnpaidIcon = 10 };

    MovListModel(Database& db, Profile& profile, QObject* parent = nullptr);

    // Reads the keys of the settings' query. False when it failed (the list is then empty).
    bool refresh() override;
    bool dateFilterActive() const { return m_dateFilter; }

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    QString text(int row, int column) const;
    // Movimenti.Tipo of the row, -1 when NULL or unknown.
    int typeAt(int row) const;
    int iconAt(int row) const;

    // The sort as the list keeps it ("LastMovSort"): a click on a heading reverses the same
    // column, another sorts ascending; the caller refreshes.
    int sortValue() const { return m_sort; }
    void sortBy(int column);

    void setBusy(bool busy);
    bool isBusy() const { return m_busy; }

    // The interface language changed: the headings and the texts made here are put up again.
    void languageChanged();

    // The movement was rewritten: its row is read again.
    void recordChanged(int key);

    // Find: from `from` on, the first row whose lowered date text contains `date`; failing
    // that (or with no date), the first whose lowered number contains `number`. -1 for none.
    int findRow(int from, const QString& date, const QString& number) const;

    void setIcons(const QList<QIcon>& icons) { m_icons = icons; }

    static QString Heading(int column);
    static QString WidthKey(int column);
    static int DefaultWidth(int column);
    // The date as the list shows it: the user's short date, and the time when not midnight.
    static QString DateText(const QDateTime& when);

private:
    struct Row {
        QString text[ColumnCount];
        int tipo = -1;
        bool paid = false;
    };
    const Row* row(int r) const;
    std::vector<Row> fetchBlock(int block) const;
    void dropBlock(int block) override { m_rows.dropBlock(block); }
    void dropBlocks() override { m_rows.clear(); }

    Profile& m_profile;
    bool m_dateFilter = false;
    bool m_busy = false;
    QList<QIcon> m_icons;
    mutable RowBlockCache<Row> m_rows{kBlockRows, kMaxBlocks};
};
