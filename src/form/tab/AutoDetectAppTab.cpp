#include "form/tab/AutoDetectAppTab.h"
#include "ui_AutoDetectAppTab.h"

#include "config/HotWordStore.h"
#include "form/tab/InstalledProgramList.h"
#include "qui/control/IconCheckBoxItem.h"
#include "util/TrContexts.h"

#include <QLabel>
#include <QSet>
#include <algorithm>

namespace {
const QString kKeyword = QStringLiteral("keyword");
}

AutoDetectAppTab::AutoDetectAppTab(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::AutoDetectAppTab)
    , m_loadingLabel(new QLabel)
{
    ui->setupUi(this);
    m_loadingLabel->setObjectName(QStringLiteral("lbLoading"));
    m_loadingLabel->setTextFormat(Qt::PlainText);
    m_loadingLabel->setText(TUI::tr("正在检测已安装的应用…"));
    m_loadingLabel->setContentsMargins(10, 0, 0, 0);
    ui->vltApps->addWidget(m_loadingLabel);
    // Until the programs are known there is nothing to adapt.
    ui->btnAutoDetect->setEnabled(false);

    connect(&InstalledProgramList::instance(), &InstalledProgramList::loaded, this, [this] {
        // The rows follow the list as last read: a program removed since is no row any more.
        m_rowsBuilt = false;
        if (isVisible() || m_adaptPending)
            loadApplications();
        if (m_adaptPending) {
            m_adaptPending = false;
            adaptToInstalledPrograms();
        }
    });
    connect(&HotWordStore::instance(), &HotWordStore::autoKeywordsChanged, this,
            &AutoDetectAppTab::refreshCheckStates);
}

AutoDetectAppTab::~AutoDetectAppTab()
{
    delete ui;
}

KeywordVO AutoDetectAppTab::keywordFor(const InstalledProgram &program)
{
    // The entry, not its icon or a command copied from it: the start always uses the
    // entry's own program and arguments.
    const QString content = program.entryPath.isEmpty() ? program.programPath : program.entryPath;
    return KeywordVO(KeywordVO::AutoDetectedType, program.displayName, content, TUI::tr("自动检测关键词"));
}

void AutoDetectAppTab::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    InstalledProgramList &list = InstalledProgramList::instance();
    if (list.isLoaded())
        loadApplications();
    else
        list.ensureLoaded();
}

void AutoDetectAppTab::loadApplications()
{
    if (m_rowsBuilt)
        return;
    m_rowsBuilt = true;
    delete m_loadingLabel;
    m_loadingLabel = nullptr;
    qDeleteAll(appItems);
    appItems.clear();
    m_programs.clear();
    const QVector<InstalledProgramList::Program> &programs = InstalledProgramList::instance().programs();
    setUpdatesEnabled(false);
    for (const InstalledProgramList::Program &program : programs) {
        auto *row = new IconCheckBoxItem(ui->fm2);
        row->setItem(program.icon, program.info.iconPath, program.info.displayName, true);
        row->setFixedHeight(RowHeight);
        connect(row, &IconCheckBoxItem::checkedChanged, this, &AutoDetectAppTab::iconCheckBoxItem_checkedChanged);
        appItems.append(row);
        m_programs.append(program.info);
        ui->vltApps->addWidget(row);
    }
    const int margin = programs.isEmpty() ? 0 : ui->vltApps->contentsMargins().top();
    ui->fm2->setFixedHeight(RowHeight * programs.size() + margin);
    setUpdatesEnabled(true);
    ui->btnAutoDetect->setEnabled(true);
    refreshCheckStates();
}

void AutoDetectAppTab::refreshCheckStates()
{
    QSet<QString> names;
    for (const auto &record : HotWordStore::instance().autoKeywords().records)
        names.insert(record->keyword);
    for (IconCheckBoxItem *row : qAsConst(appItems))
        row->setChecked(names.contains(row->text()));
}

void AutoDetectAppTab::iconCheckBoxItem_checkedChanged(bool checked, const QString &iconPath, const QString &label)
{
    int index = appItems.indexOf(qobject_cast<IconCheckBoxItem *>(sender()));
    if (index < 0) { // not from a row: the first program of that name and icon
        const auto it = std::find_if(m_programs.cbegin(), m_programs.cend(), [&](const InstalledProgram &p) {
            return p.displayName == label && p.iconPath == iconPath;
        });
        index = it == m_programs.cend() ? -1 : int(it - m_programs.cbegin());
    }
    DataHandler<KeywordVO> &list = HotWordStore::instance().autoKeywords();
    if (!checked) {
        list.removeByValue(kKeyword, label);
    } else if (index >= 0) {
        KeywordVO keyword = keywordFor(m_programs.at(index));
        keyword.id = list.nextId();
        list.append(keyword);
        list.saveLater();
    }
    refreshCheckStates();
}

void AutoDetectAppTab::on_btnAutoDetect_clicked(bool)
{
    // The programs as they are now, read again in the background: one uninstalled since the
    // list was read is neither switched on nor made a keyword.
    m_adaptPending = true;
    ui->btnAutoDetect->setEnabled(false);
    InstalledProgramList::instance().reload();
}

void AutoDetectAppTab::adaptToInstalledPrograms()
{
    QVector<KeywordVO> keywords;
    keywords.reserve(m_programs.size());
    for (const InstalledProgram &program : qAsConst(m_programs))
        keywords.append(keywordFor(program));
    DataHandler<KeywordVO> &list = HotWordStore::instance().autoKeywords();
    if (!list.records.isEmpty())
        list.clear();
    // Ids stay distinct however many are made in the same second.
    list.appendAll(keywords);
    refreshCheckStates();
}
