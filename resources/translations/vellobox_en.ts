<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Languages</name>
    <message>
        <source>中文(普通话)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中文(粤语)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中文(四川话)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中文(河南话)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>英语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>韩语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>俄语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>法语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>德语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>意大利语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>葡萄牙语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>阿拉伯语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>泰语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>越南语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印地语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>马来语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印尼语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>土耳其语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>荷兰语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>波兰语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>捷克语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自动</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>粤语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文言文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>希腊语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>瑞典语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>丹麦语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>芬兰语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>匈牙利语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>罗马尼亚语</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中英文混合</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TNotify</name>
    <message>
        <source>程序已经在运行中!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>创建或写入文件失败, 请修改文件权限或者将程序安装到非系统盘!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导入数据的实际类型为%1, 和预期类型%2不匹配</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TUI</name>
    <message>
        <source>软件设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>意见反馈</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关于我们</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
