#ifndef PTUNDOCOMMAND_H
#define PTUNDOCOMMAND_H

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUndoCommand>

#include <optional>

#include "ptListDocument.h"

class ptCategoriesDataModel;
class ptListDataModel;

// A change the person can take back: what it changed of the open list and of
// My Items, as they were before and after, and the lists it moved to the
// trash. Made before the change, told the outcome after it (finish()), and
// pushed done: its first redo() does nothing. Deletions made while the
// undo offer of the ones before is shown join them (id DeletionId).
class ptUndoCommand : public QUndoCommand
{
public:
    enum Part { ListPart = 1, CataloguePart = 2 };
    Q_DECLARE_FLAGS(Parts, Part)
    enum Kind { Change, Deletion, JoinedDeletion };

    static constexpr int DeletionId = 1;

    ptUndoCommand(ptListDataModel *pList, ptCategoriesDataModel *pCatalogue, Parts pParts);

    // Takes the parts as they are after the change, and the text: for a
    // deletion pWhat names what was deleted.
    void finish(Kind pKind, const QString &pWhat);
    // A list document moved to the trash, and its place there.
    void addTrashed(const QString &pPath, const QString &pTrashPath);
    // Whether the parts differ now from what they were when it was made.
    bool madeChange() const;
    bool isDeletion() const { return m_kind != Change; }

    void undo() override;
    void redo() override;
    int id() const override { return isDeletion() ? DeletionId : -1; }
    bool mergeWith(const QUndoCommand *pOther) override;

private:
    struct Trashed
    {
        QString path;
        QString trashPath;
    };

    void setDeletionText();

    ptListDataModel *m_list;
    ptCategoriesDataModel *m_catalogue;
    std::optional<ptListDocument::Content> m_listBefore;
    std::optional<ptListDocument::Content> m_listAfter;
    std::optional<QList<QHash<QString, QString>>> m_catalogueBefore;
    std::optional<QList<QHash<QString, QString>>> m_catalogueAfter;
    QList<Trashed> m_trashed;
    Kind m_kind = Change;
    QStringList m_what;
    bool m_done = true;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(ptUndoCommand::Parts)

#endif // PTUNDOCOMMAND_H
