#pragma once

// One process-wide object shared by reference count: every user acquires it once and
// releases it once; the last release deletes it.
template <class T>
class CTemplateSingleton
{
public:
    CTemplateSingleton(const CTemplateSingleton&) = delete;
    CTemplateSingleton& operator=(const CTemplateSingleton&) = delete;

    static T* getInstance() { return s_Instance; }
    static int getRefCount() { return s_RefCount; }

    // Creates the object on first use and counts one more user.
    static T* acquire()
    {
        if (s_Instance == nullptr)
            s_Instance = new T();
        ++s_RefCount;
        return s_Instance;
    }

    // Counts one user less; at none, deletes the object.
    static void release()
    {
        if (s_RefCount > 0 && --s_RefCount == 0)
            delete s_Instance;
    }

protected:
    CTemplateSingleton() = default;

    virtual ~CTemplateSingleton()
    {
        if (s_Instance == this) {
            s_Instance = nullptr;
            s_RefCount = 0;
        }
    }

private:
    inline static T* s_Instance = nullptr;
    inline static int s_RefCount = 0;
};
