#pragma once

#include "print/PrintDocument.h"

#include <QList>
#include <QString>

class Database;
struct BarcodeSymbol;

// A sheet of twelve identical labels for each item: its code, its description and its barcode,
// in 2 columns and 6 rows of rounded frames.
class LabelSheetDocument : public PrintDocument {
public:
    struct Item {
        QString code;        // Matricola
        QString description; // Descrizione
        QString barcode;     // CodBarre
    };

    explicit LabelSheetDocument(QList<Item> items);

    // The items with these keys, in the order of the keys; a key whose item is gone is left
    // out. False when a query failed (db.errorText() tells why).
    static bool ReadItems(Database& db, const QList<int>& keys, QList<Item>* items);

    // Label frames: the tops of the six rows and the two columns' left and right edges.
    static constexpr double kRowTops[6] = {-50, -500, -950, -1400, -1850, -2300};
    static constexpr double kColumnLeft[2] = {50, 1050};
    static constexpr double kColumnRight[2] = {950, 1900};
    static constexpr double kLabelHeight = 430;

    int pageCount() const override { return int(m_items.size()); }
    void drawPage(PageFrame& frame, int page) override;
    QString fileBaseName() const override;

    // Draws the symbol with its human-readable line centred between left and right, the bars
    // from top down to 40 units above bottom and the texts in those 40 units. EAN modules are 3
    // units; a Code 39 too wide for the room gets narrower modules, so that it stays whole.
    static void DrawBarcode(PageFrame& frame, const BarcodeSymbol& symbol, double left,
                            double right, double top, double bottom);

private:
    // The description's width in both columns: that of the narrower one, inside its margins.
    static double DescriptionWidth();
    void drawLabel(PageFrame& frame, const Item& item, const QString& description,
                   const BarcodeSymbol& symbol, double left, double right, double top);

    QList<Item> m_items;
};
