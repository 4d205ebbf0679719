#include "ptUndoCommand.h"

#include <QCoreApplication>

#include "ptCategoriesDataModel.h"
#include "ptListDataModel.h"
#include "ptTrash.h"

ptUndoCommand::ptUndoCommand(ptListDataModel *pList, ptCategoriesDataModel *pCatalogue,
                             Parts pParts)
    : m_list(pList), m_catalogue(pCatalogue)
{
    if (pParts.testFlag(ListPart))
        m_listBefore = m_list->content();
    if (pParts.testFlag(CataloguePart))
        m_catalogueBefore = m_catalogue->entries();
}

void ptUndoCommand::finish(Kind pKind, const QString &pWhat)
{
    m_kind = pKind;
    if (m_listBefore)
        m_listAfter = m_list->content();
    if (m_catalogueBefore)
        m_catalogueAfter = m_catalogue->entries();
    if (isDeletion()) {
        m_what = QStringList {pWhat};
        setDeletionText();
    } else {
        setText(pWhat);
    }
}

void ptUndoCommand::addTrashed(const QString &pPath, const QString &pTrashPath)
{
    m_trashed.append({pPath, pTrashPath});
}

bool ptUndoCommand::madeChange() const
{
    return (m_listBefore && !(*m_listBefore == m_list->content()))
            || (m_catalogueBefore && *m_catalogueBefore != m_catalogue->entries());
}

// Back to before, the lists first out of the trash, so that the open list
// is not written over one of them.
void ptUndoCommand::undo()
{
    for (auto it = m_trashed.crbegin(); it != m_trashed.crend(); ++it)
        ptTrash::restore(it->trashPath, it->path);
    if (m_listBefore)
        m_list->restore(*m_listBefore);
    if (m_catalogueBefore)
        m_catalogue->setEntries(*m_catalogueBefore);
    m_done = false;
}

void ptUndoCommand::redo()
{
    if (m_done)
        return;
    m_done = true;
    if (m_listAfter)
        m_list->restore(*m_listAfter);
    if (m_catalogueAfter)
        m_catalogue->setEntries(*m_catalogueAfter);
    for (Trashed &trashed : m_trashed)
        trashed.trashPath = ptTrash::moveToTrash(trashed.path);
}

// The joined command takes the newer one's outcome and keeps its own past.
bool ptUndoCommand::mergeWith(const QUndoCommand *pOther)
{
    const auto *other = static_cast<const ptUndoCommand *>(pOther);
    if (!isDeletion() || other->m_kind != JoinedDeletion)
        return false;
    if (other->m_listBefore) {
        if (!m_listBefore)
            m_listBefore = other->m_listBefore;
        m_listAfter = other->m_listAfter;
    }
    if (other->m_catalogueBefore) {
        if (!m_catalogueBefore)
            m_catalogueBefore = other->m_catalogueBefore;
        m_catalogueAfter = other->m_catalogueAfter;
    }
    m_trashed += other->m_trashed;
    m_what += other->m_what;
    setDeletionText();
    return true;
}

void ptUndoCommand::setDeletionText()
{
    setText(QCoreApplication::translate("ptUndoCommand", "Deleted: %1")
                    .arg(m_what.join(QStringLiteral(", "))));
}
