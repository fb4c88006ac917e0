<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>TUI</name>
    <message>
        <source>智能标点描述</source>
        <translation>说话时自动添加标点符号</translation>
    </message>
</context>
</TS>
