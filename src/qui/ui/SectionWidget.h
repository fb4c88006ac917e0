#pragma once

#include <QList>
#include <QVariant>
#include <QWidget>

class ClickableLabel;

namespace Ui {
class SectionWidget;
}

// A titled grid of clickable names (one section of a picker such as the language list),
// with a separator line below it.
class SectionWidget : public QWidget
{
    Q_OBJECT
public:
    explicit SectionWidget(QWidget *parent = nullptr);
    ~SectionWidget() override;

    void setTitle(const QString &title);
    QString title() const;
    // Labels per grid row, at least 1; applies to options added later.
    void setColumnCount(int count);
    int columnCount() const { return m_columns; }
    // One label per text, row by row. When datas is not empty it must match labels in
    // count, else nothing is added.
    bool addOptions(const QStringList &labels, const QVariantList &datas = {});
    // Hides every label whose text does not contain the keyword (case-sensitive);
    // an empty keyword shows all. The title stays.
    void filterLabels(const QString &keyword);
    void setLineHidden(bool hidden);
    bool isLineHidden() const;

    QList<ClickableLabel *> labels() const { return m_labels; }
    // Labels not hidden by the filter.
    QStringList visibleLabels() const;

signals:
    void labelSelected(const QString &label, const QVariant &data);

private:
    Ui::SectionWidget *ui;
    QList<ClickableLabel *> m_labels;
    int m_columns = 4;
};
