#pragma once

#include "core/utilities/random_code_cipher.h"
#include "utilities/ciphers/cipher_window.h"

#include <QList>

class QGroupBox;
class QLineEdit;
class QListWidget;

// The cipher of random bit codes with its table: generated whole or in part,
// shown with its balance, saved to and loaded from ".rqt" files. It enciphers
// and deciphers the prepared text, which "Připrav text" takes from the
// document, into the whole document. The table lives as long as the window.
class RND_Sifra : public CipherWindow {
    Q_OBJECT
public:
    explicit RND_Sifra(QWidget* owner = nullptr);

    [[nodiscard]] const CipherTable& table() const { return m_table; }

private:
    // The positions of each code the balance counts after every change but a
    // whole generation.
    static constexpr int CountedAfterChange = 8;

    void prepareText();
    void generate();
    void redrawCodes();
    void redrawGroups();
    void encrypt();
    void decrypt();
    void save();
    void load();
    void showCodes();
    void showGroups();
    void showStatistics(int countedPositions);
    // The buttons that need a table work from now on.
    void enableTableButtons();

    CipherTable m_table;
    // The prepared text exactly as taken, CR and LF kept apart: the box only
    // shows it.
    QString m_prepared;
    QPlainTextEdit* m_preparedBox = nullptr;
    QScrollBar* m_depth = nullptr;
    QListWidget* m_codes = nullptr;
    QListWidget* m_groups = nullptr;
    QLabel* m_statistics = nullptr;
    QLineEdit* m_note = nullptr;
    QList<QPushButton*> m_tableButtons;
};
