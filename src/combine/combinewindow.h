#pragma once

// The "Direnç Birleştir" window: a target value (or a divider's ratio), a
// series, how many parts, a range and values to leave out; the best ten
// networks or dividers, one a line, as the user types.

#include "colorcode/exactvalue.h"
#include "combine/combination.h"
#include "combine/combinationtext.h"
#include "forms/toolwindow.h"

#include <QTimer>

#include <memory>
#include <optional>
#include <thread>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

class CombineWindow : public ToolWindow
{
    Q_OBJECT
public:
    // A window of its own that belongs to `owner` (the main window).
    explicit CombineWindow(QWidget *owner);
    ~CombineWindow() override;

    // Opens the window on a target value and series, for networks.
    void showFor(const colorcode::ExactValue &target, combine::SeriesChoice series);

    QLineEdit *targetBox;
    QComboBox *seriesList;
    QComboBox *partsList;
    QCheckBox *ratioBox; // divider mode
    QLineEdit *lowBox;
    QLineEdit *highBox;
    QLineEdit *leftOutBox;
    QLabel *statusLabel; // notes, refusals, "Hesaplanıyor…"
    QListWidget *resultList;

    // Whether pair tables are being built off the window's thread.
    bool isBuilding() const { return m_building.has_value(); }

private:
    struct TableKey {
        combine::SeriesChoice series;
        colorcode::ExactValue low, high;
        bool operator==(const TableKey &) const = default;
    };
    struct Built {
        combine::PartSet set;
        combine::PairTables tables;
    };

    combine::Boxes boxes() const;
    // Swaps in the other mode's target and range.
    void switchMode(bool divider);
    // The parts list and the target's example as the mode has them.
    void showMode(bool divider);
    // Reads the boxes and shows the answer, or starts building the tables
    // it needs.
    void recompute();
    void startBuilding();
    void tablesBuilt(const TableKey &key, std::shared_ptr<const Built> built);
    std::shared_ptr<const Built> cached(const TableKey &key) const;
    void remember(const TableKey &key, std::shared_ptr<const Built> built);
    // The notes (refusals among them) and lines; with no notes the status
    // line says `otherwise`, which is not announced.
    void showAnswer(const QStringList &notes, const QStringList &lines,
                    const QString &otherwise = {});
    // What a screen reader hears of the answer.
    QString summary() const;
    // The summary, or nothing while tables are built: then it is said
    // when they are done.
    QString summaryOnceBuilt();

    QString m_notes; // as shown, and heard before the best line
    // The other mode's boxes, restored when switching back.
    QString m_otherTarget, m_otherLow, m_otherHigh;
    std::vector<std::pair<TableKey, std::shared_ptr<const Built>>> m_cache;
    std::optional<TableKey> m_wanted;   // tables the boxes need and the cache lacks
    std::optional<TableKey> m_building; // tables the worker is building
    std::thread m_worker;
    QTimer m_buildDelay;
    bool m_announceWhenDone = false;
};
