#include "form/dialog/LanguageDialog.h"
#include "ui_LanguageDialog.h"

#include "qui/ui/SectionWidget.h"

namespace {
constexpr int kColumns = 4;
} // namespace

LanguageDialog::LanguageDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::LanguageDialog)
{
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    connect(ui->leKeyword, &QLineEdit::textChanged, this, &LanguageDialog::leKeyword_textChanged);
}

LanguageDialog::~LanguageDialog()
{
    delete ui;
}

void LanguageDialog::addSection(const QString &title, const QVector<const Languages::LangugeSection *> &langs)
{
    auto *section = new SectionWidget(this);
    section->setLineHidden(true);
    if (!m_sections.isEmpty())
        m_sections.last()->setLineHidden(false);
    m_sections.append(section);
    section->setColumnCount(kColumns);
    section->setTitle(title);

    QStringList labels;
    QVariantList datas;
    QHash<QString, const Languages::LangugeSection *> &records = m_records[section];
    for (const Languages::LangugeSection *lang : langs) {
        if (!lang)
            continue;
        labels << lang->translatedDisplay();
        // The full code: dialects share the bare code ("zh_cn") and only this tells them apart.
        datas << QVariant(lang->fullCode());
        records.insert(lang->fullCode(), lang);
    }
    section->addOptions(labels, datas);
    ui->vltMain->insertWidget(ui->vltMain->count() - 1, section);
    connect(section, &SectionWidget::labelSelected, this, &LanguageDialog::sectionWidget_labelSelected);
}

void LanguageDialog::addSectionByCodes(const QString &title, const QStringList &codes, int type)
{
    addSection(title, Languages::instance().sections(type, codes));
}

void LanguageDialog::leKeyword_textChanged(const QString &text)
{
    for (SectionWidget *section : qAsConst(m_sections))
        section->filterLabels(text);
}

void LanguageDialog::sectionWidget_labelSelected(const QString &, const QVariant &data)
{
    const QString key = data.toString();
    // A name added as a record reports that record; any other name is looked up by its code.
    const auto *section = qobject_cast<const SectionWidget *>(sender());
    const Languages::LangugeSection *lang = m_records.value(section).value(key);
    if (!lang)
        lang = Languages::instance().findByKey(key);
    emit lanuageSelected(key, lang);
    close();
}

void LanguageDialog::on_btnClose_clicked(bool)
{
    close();
}
