#pragma once

namespace values
{

// Told when an editor's or a watched subtree's modified flag is set or cleared.
class IModifyObserver
{
public:
    virtual ~IModifyObserver() = default;
    virtual void NotifyModified(bool bModified) = 0;
};

class IModified
{
public:
    virtual ~IModified() = default;
    virtual bool IsModified() = 0;
    virtual void SetbModified(bool bModified) = 0;
};

class IModifyObservable
{
public:
    virtual ~IModifyObservable() = default;
    virtual void SetObserver(IModifyObserver* pObserver) = 0;
};

class IModifier : public IModified, public IModifyObservable
{
};

} // namespace values
