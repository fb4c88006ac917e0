#pragma once

#include <QVector>

class DataCore;

// Something that shows one record: a form, a row group, a table.
class IDataContainer
{
public:
    IDataContainer() = default;
    virtual ~IDataContainer();
    IDataContainer(const IDataContainer &) = delete;
    IDataContainer &operator=(const IDataContainer &) = delete;

    // Makes the record the bound record; with withChildren also of every child container and
    // editor. The record is not owned and must outlive the binding.
    virtual void setData(DataCore *record, bool withChildren = true);
    DataCore *bindRecord() const { return m_record; }

    // Pushes the bound record's values into the editors. Writes nothing back.
    virtual void bindData() = 0;

    // Child containers get the record and are bound with this one.
    void addChildContainer(IDataContainer *child);
    void removeChildContainer(IDataContainer *child);
    const QVector<IDataContainer *> &childContainers() const { return m_children; }

protected:
    void bindChildContainers();

private:
    DataCore *m_record = nullptr;
    QVector<IDataContainer *> m_children;
    IDataContainer *m_parent = nullptr;
};
