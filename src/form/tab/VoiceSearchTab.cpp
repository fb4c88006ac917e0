#include "form/tab/VoiceSearchTab.h"
#include "ui_VoiceSearchTab.h"

#include "config/HotWordStore.h"
#include "databinding/FormItem.h"
#include "form/tab/KeywordRowActions.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/FunctionCatalog.h"
#include "logic/businessLogic/workflow/voicesearch/KeywordIndex.h"
#include "qui/FileChooser.h"
#include "qui/QUIHelper.h"
#include "qui/Toast.h"
#include "util/TrContexts.h"

#include <QMessageBox>
#include <algorithm>

namespace {
const QString kSearchEngine = QStringLiteral("search_engine");
const QString kActionColumn = QStringLiteral("action");
constexpr int kTypeBase = 2000;
constexpr int kProgramType = 0;
constexpr int kFolderType = 1;
constexpr int kRowHeight = 37;
constexpr int kTableChrome = 42;
constexpr int kPageButtons = 7;
constexpr int kTipMs = 2000;
// The column titles of the KeywordVO table layout; the table translates them in TUI.
[[maybe_unused]] const char *const kColumnTitles[] = {
    QT_TRANSLATE_NOOP("TUI", "指令词"), QT_TRANSLATE_NOOP("TUI", "类型"), QT_TRANSLATE_NOOP("TUI", "内容"),
    QT_TRANSLATE_NOOP("TUI", "操作")};

void warn(const QString &text)
{
    Toast::instance().showMessage(1, text, 2000);
}

// The record the user chose, while the list still holds it; null when it is gone. Only that
// very object counts: a changed record stays the same object, and another record that came to
// carry the same id is not the one chosen.
std::shared_ptr<KeywordVO> currentOf(const DataHandler<KeywordVO> &list, const std::shared_ptr<KeywordVO> &chosen)
{
    return chosen && list.records.contains(chosen) ? chosen : nullptr;
}
} // namespace

VoiceSearchTab::VoiceSearchTab(QWidget *parent, bool enableKeyword, bool enableAutoDetect)
    : FormContainer(parent)
    , ui(new Ui::VoiceSearchTab)
{
    ui->setupUi(this);
    ui->lbFm2Title->setText(TUI::tr("指令词设置"));
    ui->btnSetKeyword->setText(TUI::tr("设置指令词"));
    if (enableKeyword) {
        initializeKeywords();
        if (!enableAutoDetect) {
            ui->appTab->hide();
            ui->vlt1->addStretch(); // the keywords stay at the top
        }
    } else {
        for (QWidget *w : {static_cast<QWidget *>(ui->title1), static_cast<QWidget *>(ui->fm1),
                           static_cast<QWidget *>(ui->titleFm2), static_cast<QWidget *>(ui->fm2)})
            w->hide();
        ui->appTab->setVisible(enableAutoDetect);
        ui->verticalSpacer->changeSize(0, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
}

VoiceSearchTab::~VoiceSearchTab()
{
    delete ui;
}

void VoiceSearchTab::initializeKeywords()
{
    FormItem *engine = addLabeledComboBoxItem(
        TUI::tr("选择搜索引擎"), {TUI::tr("百度"), TUI::tr("谷歌"), TUI::tr("雅虎")},
        {QStringLiteral("https://www.baidu.com/s?wd="), QStringLiteral("https://www.google.com/search?q="),
         QStringLiteral("https://search.yahoo.com/search?p=")},
        ui->fm1, {kSearchEngine});
    engine->setObjectName(QStringLiteral("fiSearchEngine"));
    ui->fm1_vlt->addWidget(engine);

    ui->lbInfo1->setToolTip(TUI::tr("第一步：在输入框中输入指令词（网址、文件或文件夹的关键词) ") + QLatin1Char('\n')
                            + TUI::tr("第二步：选择文件类型，选择文件路径或输入网址 ") + QLatin1Char('\n')
                            + TUI::tr("第三步：点击按钮“添加保存”已添加的记录可列表中删除"));
    ui->lbInfo1->setToolTipDuration(kTipMs);

    connect(ui->btnChooseFile, &QPushButton::clicked, this, &VoiceSearchTab::btnChooseFile_click);
    FunctionCatalog::fillComboBox(ui->cbKeywordType, kTypeBase, {0, 1, 2});
    ui->cbKeywordType->setCurrentIndex(0);
    cbKeywordType_currentIndexChanged(0);
    connect(ui->cbKeywordType, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VoiceSearchTab::cbKeywordType_currentIndexChanged);
    connect(ui->btnAddKeyword, &QPushButton::clicked, this, &VoiceSearchTab::btnAddKeyword_click);

    ui->tvRecord->init(KeywordVO::staticFieldTable(), QStringLiteral("KeywordVO"), false);
    ui->tvRecord->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->tvRecord->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(ui->tvRecord, &ZTableWidget::Table_ItemWidgetRender, this, &VoiceSearchTab::tvRecord_ItemWidgetRender);
    connect(ui->pager, &PageNavigator::currentPageChanged, this, &VoiceSearchTab::showPage);

    // Whoever changes the list (this page, another device's page, an import), every page
    // showing it reloads from the store.
    connect(&HotWordStore::instance(), &HotWordStore::keywordsChanged, this, [this] {
        if (m_keywordsShown)
            loadKeywords();
    });
    showPage(1); // an empty table until the list is read
}

void VoiceSearchTab::showEvent(QShowEvent *event)
{
    FormContainer::showEvent(event);
    // Pages are built when a device connects; the word list waits until someone looks.
    if (!m_keywordsShown && ui->fm2->isVisibleTo(this)) {
        m_keywordsShown = true;
        loadKeywords();
    }
}

void VoiceSearchTab::onContextChanged()
{
    bindContextSetting(context());
}

void VoiceSearchTab::loadKeywords()
{
    m_keywordRecords = HotWordStore::instance().keywords().records;
    ui->pager->setTotal(m_keywordRecords.size(), PageSize, 1, kPageButtons);
    showPage(1);
}

void VoiceSearchTab::showPage(int page)
{
    page = std::max(page, 1);
    const int from = std::min((page - 1) * PageSize, int(m_keywordRecords.size()));
    const int to = std::min(page * PageSize, int(m_keywordRecords.size()));
    QVector<DataCore *> rows;
    for (int i = from; i < to; ++i)
        rows.append(m_keywordRecords[i].get());
    ui->tvRecord->setDatas(rows, true);
    ui->tvRecord->setFixedHeight(rows.size() * kRowHeight + kTableChrome);
    ui->tvRecord->bindData();
}

void VoiceSearchTab::tvRecord_ItemWidgetRender(DataCore *pData, QString fieldName, QWidget **widget)
{
    if (fieldName != kActionColumn || !widget)
        return;
    const auto it = std::find_if(m_keywordRecords.cbegin(), m_keywordRecords.cend(),
                                 [pData](const std::shared_ptr<KeywordVO> &r) { return r.get() == pData; });
    if (it == m_keywordRecords.cend())
        return;
    const std::shared_ptr<KeywordVO> record = *it;

    auto *actions = new KeywordRowActions;
    connect(actions, &KeywordRowActions::editClicked, this, [this, record] { onEditClicked(record); });
    connect(actions, &KeywordRowActions::deleteClicked, this, [this, record] { onDeleteClicked(record); });
    *widget = actions;
}

void VoiceSearchTab::onEditClicked(const std::shared_ptr<KeywordVO> &record)
{
    if (!record)
        return;
    m_editRecord = record;
    m_editKeywordId = record->id;
    ui->btnAddKeyword->setText(TUI::tr("修改"));
    const int type = ui->cbKeywordType->findData(record->keywordType);
    if (type >= 0)
        ui->cbKeywordType->setCurrentIndex(type);
    ui->leVoiceSearchKeyword->setText(record->keyword);
    ui->leContent->setText(record->content);
}

void VoiceSearchTab::onDeleteClicked(const std::shared_ptr<KeywordVO> &record)
{
    // The record was captured with its row: the question cannot change which one goes.
    if (!record || QUIHelper::showMessageBoxQuestion(TUI::tr("是否删除指令词!")) != QMessageBox::Yes)
        return;
    DataHandler<KeywordVO> &list = HotWordStore::instance().keywords();
    const std::shared_ptr<KeywordVO> target = currentOf(list, record);
    if (!target || !list.remove(target)) {
        QLOG_WARN() << "指令词未找到，删除失败 - id : " << record->id;
        loadKeywords();
    }
}

void VoiceSearchTab::cbKeywordType_currentIndexChanged(int)
{
    const QVariant data = ui->cbKeywordType->currentData();
    const int type = data.isValid() ? data.toInt() : -1;
    ui->btnChooseFile->setEnabled(type == kProgramType || type == kFolderType);
    if (type == kProgramType)
        ui->btnChooseFile->setText(TUI::tr("选择文件"));
    else if (type == kFolderType)
        ui->btnChooseFile->setText(TUI::tr("选择文件夹"));
}

void VoiceSearchTab::btnChooseFile_click(bool)
{
    const int type = ui->cbKeywordType->currentData().toInt();
    QString chosen;
    if (type == kProgramType)
        chosen = FileChooser::openFileName(this, TUI::tr("选择文件或者程序"), ui->leContent->text());
    else if (type == kFolderType)
        chosen = FileChooser::existingDirectory(this, TUI::tr("选择目录"), ui->leContent->text());
    if (chosen.isEmpty())
        return;
    ui->leContent->setText(chosen);
    // A file name is the user's text: escaped inside rich text of our own, so markup in the name
    // shows as written.
    ui->leContent->setToolTip(QStringLiteral("<p style='white-space:pre'>%1</p>").arg(chosen.toHtmlEscaped()));
}

bool VoiceSearchTab::isKeywordDuplicate(const QVector<std::shared_ptr<KeywordVO>> &list, const QString &keyword,
                                        const KeywordVO *editing)
{
    // Compared as voice search compares them: a word it cannot tell from another could never
    // be reached ("Ｍｕｓｉｃ　Ｐｌａｙｅｒ" typed in full-width mode is "Music Player").
    const QString normal = KeywordIndex::normalized(keyword);
    return std::any_of(list.cbegin(), list.cend(), [&](const std::shared_ptr<KeywordVO> &r) {
        return r.get() != editing && KeywordIndex::normalized(r->keyword) == normal;
    });
}

void VoiceSearchTab::btnAddKeyword_click(bool)
{
    // Blanks alone are no keyword: a keyword nobody can say would never match.
    const QString keyword = ui->leVoiceSearchKeyword->text().trimmed();
    const QString content = ui->leContent->text().trimmed();
    if (keyword.isEmpty()) {
        warn(TNotify::tr("请填写指令词"));
        return;
    }
    // Voice search hears no blanks, punctuation or symbols: a word made of nothing else would
    // never be matched, and would stand as the duplicate of every other such word.
    if (KeywordIndex::normalized(keyword).isEmpty()) {
        warn(TNotify::tr("指令词只有标点符号或空格, 语音搜索无法匹配, 请加入文字或数字"));
        return;
    }
    if (content.isEmpty()) {
        warn(TNotify::tr("内容为空，请选择文件，文件夹，或者填写网页"));
        return;
    }
    DataHandler<KeywordVO> &list = HotWordStore::instance().keywords();
    const std::shared_ptr<KeywordVO> editing = currentOf(list, m_editRecord);
    if (isKeywordDuplicate(list.records, keyword, editing.get())) {
        warn(TNotify::tr("指令词重复, 请换一个指令词"));
        return;
    }
    KeywordVO values(ui->cbKeywordType->currentData().toInt(), keyword, content, ui->cbKeywordType->currentText());
    if (m_editRecord) {
        const qint64 id = m_editKeywordId;
        leaveEditMode();
        if (!editing || !list.replace(editing, values)) {
            QLOG_WARN() << "指令词未找到，修改失败 - id : " << id;
            loadKeywords();
            // The typed text stays: one press of "添加" keeps it as a new keyword.
            warn(TNotify::tr("该指令词已不存在, 修改未保存"));
            return;
        }
    } else {
        list.add(values); // a new id, written in the background
    }
    ui->leVoiceSearchKeyword->clear();
    ui->leContent->clear();
}

void VoiceSearchTab::leaveEditMode()
{
    m_editRecord.reset();
    m_editKeywordId = 0;
    ui->btnAddKeyword->setText(TUI::tr("添加"));
}
