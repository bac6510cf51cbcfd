#pragma once

#include <QDate>
#include <QString>

class Database;
class Profile;

// A small, plausible archive of a hardware shop for the README's pictures and for trying the
// program out: items in six categories with barcodes and minimum stocks, customers, suppliers
// and a worker, loads, invoiced sales, receipts and a return over the last weeks, and today's
// agenda. Everything is written through the same stores as the windows write it.
namespace DemoArchive {

// The customer of yesterday's invoice, which the pictures open.
inline constexpr const char* kInvoiceCustomer = "Bar Sport di Rossi Mario";

struct Contents {
    int items = 0;
    int customers = 0;
    int suppliers = 0;
    int movements = 0;
    int agendaEntries = 0;
    int invoice = 0; // the key of yesterday's invoiced sale
    QString invoiceCustomer;
};

// The shop's own data, as the company dialog saves it.
void WriteCompany(Profile& profile);
// Fills an open, empty archive; dates count back from today. False with error set on failure.
bool Fill(Database& db, const QDate& today, Contents* contents, QString* error);

} // namespace DemoArchive
