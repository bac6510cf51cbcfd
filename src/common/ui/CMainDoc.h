#pragma once

#include <QObject>

class ChangeNotifier;
class Database;
class Profile;

// The one document the four views share: the archive, the profile and the notifier.
class CMainDoc : public QObject {
    Q_OBJECT
public:
    CMainDoc(Profile& profile, Database& db, ChangeNotifier& notifier, QObject* parent = nullptr)
        : QObject(parent), m_profile(profile), m_db(db), m_notifier(notifier) {}

    Profile& profile() const { return m_profile; }
    Database& database() const { return m_db; }
    ChangeNotifier& notifier() const { return m_notifier; }

private:
    Profile& m_profile;
    Database& m_db;
    ChangeNotifier& m_notifier;
};
