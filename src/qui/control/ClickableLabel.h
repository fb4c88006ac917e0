#pragma once

#include <QLabel>
#include <QVariant>

class QMouseEvent;

// A label that reacts to clicks: it opens its path as a local file when one is set,
// else it emits clicked.
class ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget *parent = nullptr);

    QVariant data() const { return m_data; }
    void setData(const QVariant &data) { m_data = data; }
    QString path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }

signals:
    void clicked(QMouseEvent *e);

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QVariant m_data;
    QString m_path;
};
