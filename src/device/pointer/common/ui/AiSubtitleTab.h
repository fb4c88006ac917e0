#pragma once

#include "databinding/FormContainer.h"
#include "device/IContextBinder.h"

#include <QList>
#include <QPointer>

class SubtitleWidget;

namespace Ui {
class AiSubtitleTab;
}

// The presenter's live subtitle page (" 演讲字幕"): recognition and translation languages, the
// switches that turn the subtitles and their translation line off, font size and the three
// colours, each bound to the presenter's settings record. A change of size or colour shows a
// preview subtitle window for two seconds.
class AiSubtitleTab : public FormContainer, public IContextBinder
{
    Q_OBJECT
public:
    static constexpr int PreviewMs = 2000;

    explicit AiSubtitleTab(QWidget *parent = nullptr);
    ~AiSubtitleTab() override;

    // The preview windows still on screen.
    QList<SubtitleWidget *> previews() const;

public slots:
    // Shows a preview with the stored size and colours (the text is not used).
    void showPreview(const QString &text = QString());

protected:
    void onContextChanged() override;

private:
    Ui::AiSubtitleTab *ui;
    QList<QPointer<SubtitleWidget>> m_previews;
};
