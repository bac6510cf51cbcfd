#pragma once

#include "common/IPrompt.h"

#include <QList>
#include <QString>
#include <optional>

class Database;

// How a movement moves a serial-tracked unit: it comes in (load), goes out (unload) or comes
// back from a customer (return).
enum class SerialKind : int { Load = 0, Unload = 1, Return = 2 };

// The kind of a movement type (Movimenti.Tipo): 0 load, 1 unload, 2 return, 3 (receipt) unload.
// Any other type gives -1.
int SerialKindFor(int movementType);

// Points the Imei rows a serial-code dialog wrote for a row not yet inserted at the row it then
// inserted. False as soon as one cannot be read or written (a row that is gone included).
bool PointSerialCodes(Database& db, const QList<int>& imeiKeys, int rowKey);

// One code of a movement row.
struct SerialCode {
    int key = 0; // IDImei
    QString code;
    bool unloaded = false; // Scaricato
};

// The outcome of a serial-code command: Ok, or a refusal or failure with the text and icon the
// user is shown.
struct SerialResult {
    enum Code {
        Ok,
        AlreadyLoaded,
        NotLoaded,
        AlreadyUnloaded,
        NotUnloaded,
        UnloadedCannotDelete,
        UnloadedCannotChange,
        InsertFailed,
        SaveFailed,
        DeleteFailed,
    };
    Code code = Ok;
    QString text;
    IPrompt::Icon icon = IPrompt::Icon::None;
    bool ok() const { return code == Ok; }

    static SerialResult Make(Code code, const QString& serial = QString());
};

// The serial codes of the units one movement row moves, and the rules that keep each code's
// story straight across the archive. A code's balance counts the Imei rows of that code that
// belong to a saved movement (their row is attached to an existing header) or to the open edit
// (their row is one of its rows): +1 for each load or return, -1 for each unload. Codes not yet
// pointed at a row (IDSottoMovimento 0) and rows left pending by an interrupted edit do not
// count. A load needs a balance of 0 or less (never loaded, or sold since: a unit bought back),
// an unload a balance above 0, a return a balance of 0 or less after at least one unload. Codes
// compare exactly, as typed.
class SerialCodes {
public:
    // kind: SerialKindFor of the movement's type. editRows: the keys of the open edit's rows.
    SerialCodes(Database& db, int kind, const QList<int>& editRows);

    int kind() const { return m_kind; }
    bool isUnload() const { return m_kind == int(SerialKind::Unload); }

    struct Balance {
        int ins = 0;  // loads and returns
        int outs = 0; // unloads
        int value() const { return ins - outs; }
    };
    // The balance of a code, leaving one Imei row out (0 for none); none when the query fails.
    std::optional<Balance> balance(const QString& code, int leftOutImei = 0) const;

    // Whether the movement's kind may move this code, leaving one Imei row out (the code being
    // replaced): AlreadyLoaded, NotLoaded, AlreadyUnloaded, NotUnloaded, or InsertFailed when the
    // archive cannot be read.
    SerialResult check(const QString& code, int leftOutImei = 0) const;

    // Checks and writes a new code of the row (rowKey 0: a row still to be inserted), marked
    // unloaded when the kind is an unload; *key receives its IDImei.
    SerialResult insert(int rowKey, const QString& code, int* key);
    // Replaces the code of an Imei row after the same checks, the row itself left out. The code
    // it held must be free to leave: see checkRemove (UnloadedCannotChange).
    SerialResult change(int imeiKey, const QString& code);
    // Whether an Imei row may be removed: outside an unload, a code marked unloaded stays
    // (UnloadedCannotDelete), and so does a code loaded or returned by it that has been sold
    // since; DeleteFailed when it cannot be read.
    SerialResult checkRemove(int imeiKey) const;
    // Deletes an Imei row; DeleteFailed when it cannot (or was already gone).
    SerialResult remove(int imeiKey);

    // The codes of a row, in the order they were entered; none for a row not yet inserted (codes
    // nobody pointed at a row are not this dialog's). False when the query fails.
    bool list(int rowKey, QList<SerialCode>* codes) const;

private:
    // Whether taking this row's code out of the counted ones would leave more units sold than
    // came in.
    std::optional<bool> leavesSoldUnit(const SerialCode& row) const;
    bool read(int imeiKey, SerialCode* row) const;

    Database& m_db;
    int m_kind;
    QList<int> m_editRows;
};
