#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

class Database;
class QThread;

// Reads the latest movements of one item on a worker thread with a connection of its own, for
// the items view's movements pane. Only the latest request counts: a worker started for an item
// that is no longer the current one stops at its next step, and what it read is never
// delivered.
class ArtMovementsLoader : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxMovements = 50;
    static constexpr int kMaxRows = 250;

    // One movement of the item, as read; the window formats it.
    struct Row {
        int movementId = 0;
        QString numero;
        QDateTime data;
        int tipo = -1;
        double quantity = 0;
        QString unit;
        QString cliFor;
    };

    // source: the program's connection, which the workers clone.
    explicit ArtMovementsLoader(const Database& source, QObject* parent = nullptr);
    ~ArtMovementsLoader() override;

    // Starts reading an item's movements; a key not above 0 only abandons the current work.
    void load(int itemId);
    void abandon();
    int currentItem() const { return m_item; }
    // Workers still running (an abandoned one ends at its next step).
    int runningWorkers() const;

    // The work itself, on an open connection: at most kMaxMovements movements, newest first,
    // each with the item's quantity in it. Stops, returning false, as soon as wanted() says no
    // or a query fails.
    static bool Read(Database& db, int itemId, const std::function<bool()>& wanted,
                     QList<Row>* rows);

    // "Carico", "Scarico" (types 1 and 3) or "Reso"; empty for any other type.
    static QString KindText(int tipo);

Q_SIGNALS:
    // The rows of the current item, delivered on the loader's thread.
    void loaded(int itemId, const QList<ArtMovementsLoader::Row>& rows);
    // A worker ended (delivered or not).
    void workerFinished();

private:
    const Database& m_source;
    std::shared_ptr<std::atomic<int>> m_generation;
    int m_item = 0;
    QList<QThread*> m_workers;
};
