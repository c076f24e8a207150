Sub Main()
    Dim x As Integer ' comment
    x = 10 Rem also a comment
    MsgBox "Value"
End Sub
