#include "device/mouse/mirel/ui/HotWordTab.h"
#include "ui_HotWordTab.h"

#include "config/HotWordStore.h"
#include "qui/Toast.h"
#include "qui/FileChooser.h"
#include "util/TrContexts.h"

#include <QFile>
#include <QTextBlock>

namespace {
const QString kIndex = QStringLiteral("index");
const QString kJsonFilter = QStringLiteral("*.json");
constexpr int WarningToast = 1;
constexpr int InfoToast = 0;
// The column titles of the HotwordVO table layout; the table translates them in TUI.
[[maybe_unused]] const char *const kColumnTitles[] = {QT_TRANSLATE_NOOP("TUI", "序号"), QT_TRANSLATE_NOOP("TUI", "热词")};
} // namespace

HotWordTab::HotWordTab(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::HotWordTab)
{
    ui->setupUi(this);
    ui->tvHotWords->init(HotwordVO::staticFieldTable(), QStringLiteral("HotwordVO"), true);
    ui->tvHotWords->setAllChecked(false);
    // Every change of the list, ours or another's, shows at once.
    connect(&HotWordStore::instance(), &HotWordStore::hotwordsChanged, this, &HotWordTab::reloadTable);
    connect(&HotWordStore::instance(), &HotWordStore::hotwordEdited, this, &HotWordTab::showEdited);
    // A word changed in its cell (where the table layout lets it) is saved like any change.
    connect(ui->tvHotWords, &ZTableWidget::Table_ItemEdited, this, [](DataCore *record, const QString &) {
        HotWordStore::instance().hotwords().recordChanged(static_cast<HotwordVO *>(record));
    });
    reloadTable();
}

HotWordTab::~HotWordTab()
{
    delete ui;
}

void HotWordTab::reloadTable()
{
    const QVector<std::shared_ptr<HotwordVO>> &records = HotWordStore::instance().hotwords().records;
    // Where the list differs from the rows shown: from there on the rows are numbered again.
    // Only addresses are compared, so the words before it are never touched.
    int same = 0;
    while (same < m_shown.size() && same < records.size() && m_shown.at(same) == records.at(same))
        ++same;
    // The records shown so far live until the table has let go of them: their addresses are
    // what it compares.
    QVector<std::shared_ptr<HotwordVO>> previous;
    if (same == m_shown.size()) {
        m_shown.reserve(records.size());
        for (int i = same; i < records.size(); ++i)
            m_shown.append(records.at(i)); // words added at the end
    } else {
        previous = std::move(m_shown);
        m_shown = records;
    }
    QVector<DataCore *> rows;
    rows.reserve(m_shown.size());
    for (const auto &record : qAsConst(m_shown))
        rows.append(record.get());
    int firstRenumbered = -1;
    for (int i = same; i < m_shown.size(); ++i) {
        if (m_shown[i]->index != i + 1) {
            m_shown[i]->index = i + 1; // the row number, in memory only
            if (firstRenumbered < 0)
                firstRenumbered = i;
        }
    }
    // Only the rows a change touches: a word added to a long list costs one row.
    ZTableWidget *table = ui->tvHotWords;
    table->updateDatas(rows);
    if (firstRenumbered >= 0)
        table->refreshColumn(kIndex, firstRenumbered);
    // The rows come back unchecked; a header left checked would need two clicks to check them.
    if (table->checkedCount() > 0)
        table->setAllCheckboxStatus(false);
    table->setHeaderChecked(false);
}

void HotWordTab::showEdited(HotwordVO *record)
{
    for (int row = 0; row < m_shown.size(); ++row) {
        if (m_shown[row].get() == record) {
            ui->tvHotWords->refreshRow(row);
            return;
        }
    }
}

void HotWordTab::on_btnAdd_clicked(bool)
{
    QVector<HotwordVO> words;
    for (QTextBlock block = ui->teHotWords->document()->begin(); block.isValid(); block = block.next()) {
        const QString word = block.text().trimmed();
        if (word.isEmpty())
            continue;
        HotwordVO record;
        record.hotword = word;
        record.index = -1;
        words.append(record);
    }
    if (words.isEmpty()) {
        Toast::instance().showMessage(WarningToast, TNotify::tr("请在文本框中填入热词，一行一条热词，按回车换行!"), 3000);
        return;
    }
    HotWordStore::instance().hotwords().appendStamped(words);
    ui->teHotWords->clear();
}

void HotWordTab::on_btnDelete_clicked(bool)
{
    const QVector<DataCore *> checked = ui->tvHotWords->checkedRows();
    if (checked.isEmpty()) {
        Toast::instance().showMessage(WarningToast, TNotify::tr("没有选中数据!!"), 2000);
        return;
    }
    // Exactly the checked records: ids of hand-edited files may repeat.
    QVector<const HotwordVO *> chosen;
    chosen.reserve(checked.size());
    for (DataCore *record : checked)
        chosen.append(static_cast<const HotwordVO *>(record));
    HotWordStore::instance().hotwords().removeRecords(chosen);
}

void HotWordTab::on_btnChooseAll_clicked(bool)
{
    ui->tvHotWords->setAllCheckboxStatus(true);
    ui->tvHotWords->setHeaderChecked(true);
}

void HotWordTab::on_btnExport_clicked(bool)
{
    auto &list = HotWordStore::instance().hotwords();
    if (list.records.isEmpty()) {
        Toast::instance().showMessage(WarningToast, TNotify::tr("无热词数据!"), 2000);
        return;
    }
    const QString path = FileChooser::saveFileName(this, TUI::tr("选择保存的文件"), QString(), kJsonFilter);
    if (path.isEmpty())
        return;
    if (DatacoreUtil::saveToFile(list.records, path) == 0)
        Toast::instance().showMessage(InfoToast, TNotify::tr("导出成功!!"), 2000);
    else
        Toast::instance().showMessage(WarningToast, TNotify::tr("导出失败!!"), 2000);
}

void HotWordTab::on_btnImport_clicked(bool)
{
    const QString path = FileChooser::openFileName(this, TUI::tr("选择导入的文件"), QString(), kJsonFilter);
    if (path.isEmpty())
        return;
    QFile file(path);
    QVector<std::shared_ptr<HotwordVO>> parsed;
    const bool opened = file.open(QIODevice::ReadOnly | QIODevice::Text);
    const auto result = opened ? DataHandler<HotwordVO>::parse(file.readAll(), &parsed)
                               : DataHandler<HotwordVO>::NotAnArray;
    if (result == DataHandler<HotwordVO>::ForeignType)
        return; // the parser has said so; nothing was added
    // Taken as written, whoever wrote the file: a word may well hold "%41".
    // Words are taken as typed ones are: trimmed, and a blank one is no word.
    QVector<HotwordVO> words;
    words.reserve(parsed.size());
    for (const auto &record : qAsConst(parsed)) {
        HotwordVO word = *record;
        word.hotword = word.hotword.trimmed();
        if (!word.hotword.isEmpty())
            words.append(word);
    }
    if (words.isEmpty()) {
        Toast::instance().showMessage(WarningToast, TNotify::tr("导入文件无效或不含热词, 没有导入任何热词!"), 2000);
        return;
    }
    HotWordStore::instance().hotwords().appendStamped(words);
}
