#include "Containers.h"

#include "ArrayElements.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

using namespace xonQMInterpreter;

namespace {

// A table of names that counts the elements it deletes.
struct TCounted
{
    TCounted(const char* name, int& deleted)
        : m_Name(name)
        , m_Deleted(deleted)
    {
    }
    ~TCounted() { ++m_Deleted; }
    CNameString m_Name;
    int& m_Deleted;
};

class CCountedTable : public CArrayElements<TCounted, CNameString>
{
public:
    void setParameters(const C1DArray<CValue>&) override { }
    void getResult(CValue&) override { }
    CBuffString getText() override { return CBuffString(); }
    void fill() override { }
    bool find(const CNameString&, int&) override { return false; }
    bool perform(const CNameString&) override { return false; }
    bool add(const char* name, int& deleted)
    {
        return addElement(std::make_unique<TCounted>(name, deleted));
    }
};

} // namespace

TEST(C1DContainerPtr, GrowsFromOneByDoubling)
{
    C1DContainerPtr<int> pointers;
    int values[5] = {};
    const int capacities[] = {1, 2, 4, 4, 8};
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(pointers.add(&values[i]));
        EXPECT_EQ(pointers.getCapacity(), capacities[i]) << i;
    }
    EXPECT_EQ(pointers.get(5), nullptr);
    EXPECT_EQ(pointers.get(-1), nullptr);
}

TEST(C1DArray, ResizeCopyAndIndex)
{
    C1DArray<CValue> values;
    for (double v : {1.0, 2.0, 3.0})
        values.add(v);
    EXPECT_FALSE(values.resize(-1));
    ASSERT_TRUE(values.resize(5));
    EXPECT_EQ(values.getCapacity(), 5);
    EXPECT_EQ(values.get(2).getValue(), 3.0);
    EXPECT_EQ(values.get(4).getValue(), 0.0) << "new values hold their default";
    ASSERT_TRUE(values.resize(2));

    C1DArray<CValue> copy;
    copy = values;
    EXPECT_EQ(copy.getCount(), 2);
    EXPECT_EQ(copy.get(1).getValue(), 2.0);
    try {
        values.get(2);
        FAIL() << "no exception";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Wrong value of an index for an element of the array.");
    }
    ASSERT_TRUE(values.resize(0));
    values.add(7.0);
    EXPECT_EQ(values.getCapacity(), 1) << "growth starts again from one";
}

TEST(ArrayElements, DeleteAllLeavesAUsableTable)
{
    int deleted = 0;
    {
        CCountedTable table;
        table.deleteAll();
        table.add("x", deleted);
        table.add("y", deleted);
        table.deleteAll();
        EXPECT_EQ(deleted, 2);
        EXPECT_EQ(table.getCount(), 0);
        table.add("z", deleted);
        EXPECT_EQ(table.getCount(), 1);
    }
    EXPECT_EQ(deleted, 3) << "the table deletes what is left when it goes";
}
