// A JSON document written value by value onto a device, in exactly the bytes
// QJsonDocument::toJson(Indented) gives for the same content. The caller writes the keys
// of an object in the order QJsonObject keeps them (sorted by their characters); memory
// stays at one buffer however long the document grows.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

class QIODevice;
class QJsonValue;

namespace mvt::cli {

class TJsonStrom {
public:
    explicit TJsonStrom(QIODevice &ziel);
    TJsonStrom(const TJsonStrom &) = delete;
    TJsonStrom &operator=(const TJsonStrom &) = delete;

    void ObjektAnfang();
    void ObjektEnde();
    void ListeAnfang();
    void ListeEnde();
    // The key of the next value of the open object: one of this program's ASCII names, or
    // any text (escaped).
    void Schluessel(const char *name);
    void Schluessel(const QString &name);

    void Zahl(int64_t x);
    void Zahl(double x);
    void Wahrheitswert(bool x);
    void Text(const QString &text);
    void Null();
    // A whole value as QJsonDocument writes it: object keys in QJsonObject's order.
    void Wert(const QJsonValue &wert);

    // Hands the rest of the buffer to the device; false when any byte did not reach it.
    bool Abschliessen();

private:
    void Wertanfang();
    void Einruecken(size_t tiefe);
    void Leeren();

    QIODevice &m_ziel;
    QByteArray m_puffer;
    // Per open container: whether it is an object, and how many values it holds so far.
    struct TEbene {
        bool Objekt;
        int64_t Anzahl;
    };
    std::vector<TEbene> m_ebenen;
    bool m_nachSchluessel = false;
    bool m_fehler = false;
};

} // namespace mvt::cli
