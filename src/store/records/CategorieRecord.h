#pragma once

#include "store/TableRecord.h"

// One row of Categorie: a category.
struct CategorieRecord {
    static constexpr const char* kTable = "Categorie";
    static constexpr const char* kKey = "IDCategoria";
    qint32 IDCategoria = 0;
    QString Categoria;

    qint32& key() { return IDCategoria; }
    template <class V> void fields(V& v) {
        v("Categoria", Categoria);
    }
};
